#include "experiments/result_folder.h"

#include <QCoreApplication>
#include <QDir>

#include "ui/file_read.h"

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassResults)
};
}   // namespace

bool readResults(const cls::ClassFile& c, const QString& folder, cls::ClassResults* results, QString* error)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        *error = Text::tr("\"%1\": no such folder").arg(folder);
        return false;
    }
    std::vector<cls::ResultFile> files;
    std::vector<cls::RejectedFile> unread;
    qint64 total = 0;
    const QFileInfoList entries =
        dir.entryInfoList({QStringLiteral("*.slidora-result")}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QFileInfo& f : entries) {
        QByteArray bytes;
        QString why;
        if (static_cast<int>(files.size()) >= kFolderFiles || total >= kFolderBytes)
            why = Text::tr("the folder holds more than the board reads");
        else if (files::readRegularFile(f.filePath(), cls::kHandInLimit, &bytes, &why))
            files.push_back({f.fileName(), bytes}), total += bytes.size();
        if (!why.isEmpty())
            unread.push_back({f.fileName(), why});
    }
    *results = cls::gatherResults(c, files);
    results->rejected.insert(results->rejected.end(), unread.begin(), unread.end());
    return true;
}
