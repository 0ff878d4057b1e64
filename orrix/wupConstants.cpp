#include "orrix/wupConstants.h"

#include <cstdlib>

namespace vx {

std::string UpdateServerBaseUrl() {
  const char* staging = std::getenv("ORRIX_UPDATE_URL");
  std::string url = staging && *staging ? staging : "http://update.vxbiz.example/";
  return url.back() == '/' ? url : url + "/";
}

std::string OnlineDatabaseAddress() { return UpdateServerBaseUrl() + "_softupdate_/updinfo.ini"; }

}  // namespace vx
