#include "pipeline/PreviewDecodes.h"

#include "common/FileName.h"

#include <sys/stat.h>

#include <deque>
#include <mutex>

namespace {

constexpr int kKept = 3;
constexpr qint64 kMostBytes = 96ll * 1024 * 1024;

std::mutex g_mutex;
std::deque<std::pair<PreviewDecodes::Key, DecodedImage>> g_kept; // newest first

qint64 bytesOf(const DecodedImage &decoded)
{
    return decoded.image.sizeInBytes();
}

} // namespace

bool PreviewDecodes::worthKeeping(qint64 bytes)
{
    return bytes > 0 && bytes <= kMostBytes / 2;
}

QByteArray PreviewDecodes::fileIdentity(const QString &path)
{
    struct stat st;
    if (::stat(encodeFileName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return QByteArray();
    return QByteArray::number(quint64(st.st_dev)) + ':' + QByteArray::number(quint64(st.st_ino)) +
                       ':' + QByteArray::number(qint64(st.st_size)) + ':' +
                       QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
                       QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ':' +
                       QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.' +
                       QByteArray::number(qint64(st.st_ctim.tv_nsec));
}

std::optional<DecodedImage> PreviewDecodes::find(const Key &key)
{
    if (key.identity.isEmpty())
        return std::nullopt;
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto it = g_kept.begin(); it != g_kept.end(); ++it)
        if (it->first == key) {
            auto entry = *it;
            g_kept.erase(it);
            g_kept.push_front(entry);
            return entry.second;
        }
    return std::nullopt;
}

void PreviewDecodes::keep(const Key &key, const DecodedImage &decoded)
{
    if (key.identity.isEmpty() || decoded.image.isNull() || !worthKeeping(bytesOf(decoded)))
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto it = g_kept.begin(); it != g_kept.end(); ++it)
        if (it->first.path == key.path && it->first.minimumSize == key.minimumSize) {
            g_kept.erase(it); // an older picture of the file at this size
            break;
        }
    g_kept.emplace_front(key, decoded);
    qint64 total = 0;
    for (auto it = g_kept.begin(); it != g_kept.end(); ++it) {
        total += bytesOf(it->second);
        if (int(it - g_kept.begin()) >= kKept || total > kMostBytes) {
            g_kept.erase(it, g_kept.end());
            break;
        }
    }
}

void PreviewDecodes::forgetAll()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_kept.clear();
}

int PreviewDecodes::keptCount()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return int(g_kept.size());
}
