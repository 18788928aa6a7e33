#include "image_file.h"

#include <QFile>
#include <cstring>

#include "cli_messages.h"
#include "qt_text.h"
#include "stderr_console.h"

bool readImageFile(const QString& path, ImageBytes& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return reportProblem(toQString(CliText::kCannotRead).arg(path, file.errorString()));
    // One byte more than an image tells a longer file from an exact one without reading it all.
    const QByteArray bytes = file.read(static_cast<qint64>(image.size()) + 1);
    if (file.error() != QFileDevice::NoError)
        return reportProblem(toQString(CliText::kCannotRead).arg(path, file.errorString()));
    if (static_cast<std::size_t>(bytes.size()) != image.size()) {
        const QString size = static_cast<std::size_t>(bytes.size()) > image.size()
                                 ? QString::number(file.size())
                                 : QString::number(bytes.size());
        return reportProblem(toQString(CliText::kImageFileSize).arg(path, size));
    }
    std::memcpy(image.data(), bytes.constData(), image.size());
    return false;
}
