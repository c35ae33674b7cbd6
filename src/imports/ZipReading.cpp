// The zip module: an archive's members read through libzip, a piece at a time, so that a member
// larger than its header says is stopped by the reader's limits.
#include "imports/ZipReading.h"

#include "platform/Modules.h"

#include <QFile>
#include <memory>
#include <zip.h>

namespace {

using penwick::imports::ZipFailure;
using penwick::imports::ZipReader;

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct ZipFileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

QString zipError(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

} // namespace

PENWICK_MODULE_VERSION(penwick::imports::readZipVersion)

extern "C" Q_DECL_EXPORT ZipFailure penwickReadZip(const QString &path, const ZipReader &reader)
{
    int code = 0;
    const std::unique_ptr<zip_t, ZipCloser> archive(
            zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!archive)
        return { QString(), zipError(code) };
    const zip_int64_t members = zip_get_num_entries(archive.get(), 0);
    reader.counted(members);
    for (zip_int64_t index = 0; index < members; ++index) {
        const char *rawName = zip_get_name(archive.get(), index, 0);
        const QString name = rawName ? QString::fromUtf8(rawName) : QString();
        if (!reader.wanted(name))
            continue;
        const std::unique_ptr<zip_file_t, ZipFileCloser> file(
                zip_fopen_index(archive.get(), index, 0));
        if (!file)
            return { name, QString::fromLocal8Bit(zip_strerror(archive.get())) };
        char piece[64 * 1024];
        for (;;) {
            const zip_int64_t read = zip_fread(file.get(), piece, sizeof piece);
            if (read < 0)
                return { name, QString::fromLocal8Bit(zip_file_strerror(file.get())) };
            reader.read(QByteArrayView(piece, read));
            if (read == 0)
                break;
        }
    }
    return {};
}
