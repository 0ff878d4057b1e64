#include "platform/library.h"

#include <dlfcn.h>

namespace vx {

std::unique_ptr<SharedLibrary> SharedLibrary::Load(const std::string& fileName, const std::string& firstFolder) {
  void* handle = nullptr;
  if (!firstFolder.empty()) handle = ::dlopen((firstFolder + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return nullptr;
  return std::unique_ptr<SharedLibrary>(new SharedLibrary(handle));
}

SharedLibrary::~SharedLibrary() { ::dlclose(handle_); }

void* SharedLibrary::Symbol(const std::string& name) const { return ::dlsym(handle_, name.c_str()); }

bool KeepLibraryLoaded(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0 || !info.dli_fname) return false;
  // Opening the loaded library again with RTLD_NODELETE marks it to stay for good.
  void* handle = ::dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
  if (!handle) return false;
  ::dlclose(handle);
  return true;
}

}  // namespace vx
