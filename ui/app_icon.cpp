#include "app_icon.h"

#include <QImageReader>
#include <array>

namespace {

// Pixel renderings of the drawing, because Qt reads SVG only when its SVG plugin is installed.
constexpr std::array kIconPixmaps{":/icons/pelmox-16.png", ":/icons/pelmox-32.png",
                                  ":/icons/pelmox-48.png", ":/icons/pelmox-256.png"};
constexpr const char* kIconDrawing = ":/icons/pelmox.svg";

}  // namespace

QIcon applicationIcon() {
    QIcon icon;
    for (const char* file : kIconPixmaps)
        icon.addFile(QString::fromLatin1(file));
    if (QImageReader::supportedImageFormats().contains("svg")) {
        icon.addFile(QString::fromLatin1(kIconDrawing));
    }
    return icon;
}
