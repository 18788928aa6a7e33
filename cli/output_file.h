// Where a command's result goes: standard output, or a file that is replaced only once the whole
// result is there, so a failed read never leaves a backup empty or cut short. The file is opened
// before the tracker is asked, so a path that cannot be written fails before anything is sent.
#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>
#include <memory>

class OutputFile {
  public:
    explicit OutputFile(QString path);  // an empty path means standard output
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Failure marks (true = failed, reported naming the file).
    bool open();
    // Writes the whole result and puts the file in its place.
    bool commit(QByteArrayView bytes);

  private:
    QString path_;
    std::unique_ptr<QSaveFile> file_;
};
