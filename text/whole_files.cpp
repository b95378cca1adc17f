#include "whole_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane {

namespace {

// The OS's reason where it says something: a folder that exists but
// answers "no such file" (/proc) takes no files, whatever the reason says.
QString reason(int error)
{
    return error == 0 || error == ENOENT ? QString()
                                         : QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

WholeFiles::~WholeFiles()
{
    for (Entry &e : entries_)
        if (e.file) {
            e.file->close();
            e.file->remove();
        }
}

bool WholeFiles::fail(const QString &target, const QString &why)
{
    error_ = QStringLiteral("cannot write \"%1\": %2").arg(target, why);
    return false;
}

QFile *WholeFiles::add(const QString &target)
{
    const QFileInfo info(target);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    QString refusal;
    if (!QFileInfo(info.absolutePath()).isDir())
        refusal = QStringLiteral("there is no folder \"%1\"").arg(folder);
    else if (info.isDir())
        refusal = QStringLiteral("it is a folder");
    else if (info.exists() && !info.isWritable())
        refusal = QStringLiteral("the file is read-only");
    if (!refusal.isEmpty()) {
        fail(target, refusal);
        return nullptr;
    }
    // A name of our own rather than QTemporaryFile's: a new file gets the
    // permissions any file made here gets, not the owner's alone.
    auto file = std::make_unique<QFile>();
    int error = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        file->setFileName(
            target +
            QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate() % 1000000, 6, 10, QLatin1Char('0')));
        errno = 0;
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (info.exists())
                file->setPermissions(info.permissions());
            entries_.push_back({target, std::move(file)});
            return entries_.back().file.get();
        }
        error = errno;
        if (error != EEXIST)
            break;
    }
    fail(target, QStringLiteral("no file can be made in \"%1\"%2").arg(folder, reason(error)));
    return nullptr;
}

bool WholeFiles::commit()
{
    for (Entry &e : entries_) {
        if (e.file->isOpen() && !e.file->flush())
            return fail(e.target, e.file->errorString());
        e.file->close();
        if (e.file->error() != QFileDevice::NoError)
            return fail(e.target, e.file->errorString());
    }
    // rename() replaces an earlier file in one step.
    for (Entry &e : entries_) {
        errno = 0;
        if (std::rename(QFile::encodeName(e.file->fileName()).constData(), QFile::encodeName(e.target).constData()) !=
            0)
            return fail(e.target, QStringLiteral("it cannot be put in place%1").arg(reason(errno)));
        e.file.reset();
    }
    entries_.clear();
    return true;
}

bool writeWholeFile(const QString &target, QByteArrayView data, QString *error)
{
    WholeFiles files;
    QFile *file = files.add(target);
    const bool whole = file && file->write(data.data(), data.size()) == data.size() && files.commit();
    if (!whole && error)
        *error = files.error().isEmpty() && file ? file->errorString() : files.error();
    return whole;
}

} // namespace orvane
