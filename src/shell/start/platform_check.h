#pragma once
// Which systems the program runs on: Linux with a platform plugin that draws windows.
#include <QString>

namespace zrx {

struct PlatformCheck {
  bool supported = false;
  QString description;  // name + " (64 bit)" or " (32 bit)"
};

// `kernel` is the kernel type ("linux"), `product` the system's name, `plugin` the Qt
// platform plugin's name, `wordBits` 32 or 64.
PlatformCheck CheckPlatform(const QString& kernel, const QString& product, const QString& plugin, int wordBits);
// The check for the running program.
PlatformCheck CheckThisPlatform();

}  // namespace zrx
