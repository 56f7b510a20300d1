#include "files/FileErrorObserver.h"

namespace v7 {

std::string FileWriteErrorText(int errorCode, const std::string& path) {
  return "Errcode=" + std::to_string(errorCode) + ",Can't write to file:\n" + path +
         "\nProbaby it is write protected.";
}

std::string FileReadErrorText(const std::string& path) {
  return "Can't write to file:\n" + path + "\nProbaby it is write protected.";
}

}  // namespace v7
