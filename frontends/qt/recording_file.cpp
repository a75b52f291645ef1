#include "frontends/qt/recording_file.h"

#include <QTextStream>

namespace movra::qt {
namespace {

std::unique_ptr<QFile> Emptied(std::unique_ptr<QFile> file) {
    if (!file->isSequential()) file->resize(0);  // not a pipe or terminal
    return file;
}

}  // namespace

RecordingFile::RecordingFile(forms::FrmMovra& form, std::unique_ptr<QFile> file)
    : file_(Emptied(std::move(file))), recorder_(form, *this, file_->fileName().toStdString()) {
    QObject::connect(&flush_, &QTimer::timeout, [this] { recorder_.Flush(); });
    flush_.start(1000);
}

std::optional<std::string> RecordingFile::Write(const std::string& lines) {
    if (file_->write(lines.data(), qint64(lines.size())) == qint64(lines.size()) && file_->flush()) return std::nullopt;
    return file_->errorString().toStdString();
}

void RecordingFile::Tell(const std::string& message) { QTextStream(stderr) << QString::fromStdString(message); }

}  // namespace movra::qt
