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

}  // namespace vx
