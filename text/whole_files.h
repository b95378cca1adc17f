#pragma once
// Files written beside their targets and put in place together only once
// every one of them is whole: a run or a job that fails halfway leaves
// each target as it was, and no file of it behind.

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>
#include <vector>

namespace orvane {

class WholeFiles {
public:
    WholeFiles() = default;
    WholeFiles(const WholeFiles &) = delete;
    WholeFiles &operator=(const WholeFiles &) = delete;
    ~WholeFiles(); // removes the files not put in place

    // A new empty file beside `target`, open for writing (a writer that
    // takes a file name may close it and write to its fileName()). Null
    // when none can be made there; error() then says why.
    QFile *add(const QString &target);

    // Puts every file in place of its target, each in one step. False when
    // one is not whole or cannot be put there; error() then says why.
    bool commit();

    // "cannot write "/proc/dial.dxf": no file can be made in "/proc"".
    QString error() const { return error_; }

private:
    struct Entry {
        QString target;
        std::unique_ptr<QFile> file;
    };
    bool fail(const QString &target, const QString &why);

    std::vector<Entry> entries_;
    QString error_;
};

// One file written whole in place of `target`, or the target left as it
// was; false when it cannot be, `error` then saying why.
bool writeWholeFile(const QString &target, QByteArrayView data, QString *error = nullptr);

} // namespace orvane
