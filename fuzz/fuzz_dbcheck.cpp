// quorvane-db check on arbitrary bytes stored as one of the two database
// files: it answers with a verdict naming the file, and never changes it.
#include "dbtool.h"
#include "fuzzcheck.h"
#include "schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {

QTemporaryDir* g_dir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The SQL driver is a plugin found through the application.
    static QCoreApplication app(*argc, *argv);
    g_dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the file; the other one is missing.
    const bool operators = data[0] & 1;
    const QString name = operators ? schema::kOperatorFile : schema::kDirectoryFile;
    const QString dir = g_dir->path();
    for (const QString& entry : QDir(dir).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir + QLatin1Char('/') + entry);
    const QByteArray path = QFile::encodeName(dir + QLatin1Char('/') + name);
    const int fd = ::open(path.constData(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
    FUZZ_REQUIRE(fd >= 0);
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    FUZZ_REQUIRE(::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size()));
    ::close(fd);

    QString none, out, err;
    QTextStream in(&none), outStream(&out), errStream(&err);
    dbtool::Console console{in, outStream, errStream, false, {}};
    const int status = dbtool::check(dir, console);
    outStream.flush();
    errStream.flush();

    // One file is missing, so the verdict is never "in order".
    FUZZ_REQUIRE(status == dbtool::kFailure);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    FUZZ_REQUIRE(lines.size() >= 3);
    FUZZ_REQUIRE(lines.last().endsWith(QLatin1String("found.")));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        FUZZ_REQUIRE(lines[i].startsWith(schema::kOperatorFile + QLatin1Char(':')) ||
                     lines[i].startsWith(schema::kDirectoryFile + QLatin1Char(':')));
    }
    // Examining a file leaves it as it was, and leaves nothing beside it.
    QFile file(QString::fromLocal8Bit(path));
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
    FUZZ_REQUIRE(file.readAll() == bytes);
    FUZZ_REQUIRE(QDir(dir).entryList(QDir::Files | QDir::Hidden) == QStringList{name});
    return 0;
}
