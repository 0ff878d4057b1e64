#pragma once
// Shared libraries loaded at run time: looked for in a given folder first (the program's
// own, as the Windows loader does), then by the system's usual search.
#include <memory>
#include <string>

namespace vx {

class SharedLibrary {
 public:
  // Loads firstFolder + fileName, else fileName by the default search; nothing when neither loads.
  static std::unique_ptr<SharedLibrary> Load(const std::string& fileName, const std::string& firstFolder);
  ~SharedLibrary();  // unloads the library
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // The address of an exported name, or nullptr when the library has none of that name.
  void* Symbol(const std::string& name) const;

 private:
  explicit SharedLibrary(void* handle) : handle_(handle) {}
  void* handle_;
};

// Keeps the shared library that holds address loaded until the process ends, also after
// everything that loaded it has let go. For a library that leaves callbacks behind in its
// host (a window library's connections to the host's application object). False when
// address lies in no loaded library.
bool KeepLibraryLoaded(const void* address);

}  // namespace vx
