#pragma once
// The main program's constants, fixed when it is built.
namespace vx {

inline constexpr const char* AppVersion = "0.9.2";
inline constexpr const char* ProgramId = "VXBiz";        // how the updater knows this program
inline constexpr const char* kApplicationTitle = "VX - BIZ";
inline constexpr const char* kProductName = "Vorlix - Business Edition";
inline constexpr const char* kHomepageUrl = "https://vxbiz.example.org/zap/vxbiz/";
inline constexpr const char* kUpdaterLibrary = "liborrix.so";
inline constexpr const char* kUpdaterEntryPoint = "_TavGenerate";

}  // namespace vx
