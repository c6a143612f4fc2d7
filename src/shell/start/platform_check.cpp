#include "start/platform_check.h"

#include <QGuiApplication>
#include <QStringList>
#include <QSysInfo>

namespace zrx {

PlatformCheck CheckPlatform(const QString& kernel, const QString& product, const QString& plugin, int wordBits) {
  PlatformCheck check;
  const QString name = product.isEmpty() ? QString("Ismeretlen") : product;
  check.description = name + (wordBits == 64 ? " (64 bit)" : " (32 bit)");
  // Plugins that draw nothing a player could see ("minimal") cannot carry the windows; the
  // offscreen plugin draws into images and serves the tests and the screenshots.
  static const QStringList kDrawingPlugins = {"xcb", "wayland", "wayland-egl", "eglfs", "linuxfb", "vnc", "offscreen"};
  check.supported = kernel == "linux" && !product.isEmpty() && kDrawingPlugins.contains(plugin);
  return check;
}

PlatformCheck CheckThisPlatform() {
  return CheckPlatform(QSysInfo::kernelType(), QSysInfo::prettyProductName(), QGuiApplication::platformName(),
                       QSysInfo::WordSize);
}

}  // namespace zrx
