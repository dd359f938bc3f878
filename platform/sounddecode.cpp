#include "sounddecode.h"

#include "error.h"

#include <algorithm>
#include <cstring>
#include <sndfile.h>

namespace {

// libsndfile reads through these callbacks straight from the member bytes.
struct MemoryFile
{
    const QByteArray *data;
    sf_count_t position = 0;
};

sf_count_t memLength(void *user)
{
    return static_cast<MemoryFile *>(user)->data->size();
}

sf_count_t memSeek(sf_count_t offset, int whence, void *user)
{
    auto *f = static_cast<MemoryFile *>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = f->position;
    else if (whence == SEEK_END)
        base = f->data->size();
    const sf_count_t target = base + offset;
    if (target < 0 || target > f->data->size())
        return -1;
    f->position = target;
    return f->position;
}

sf_count_t memRead(void *ptr, sf_count_t count, void *user)
{
    auto *f = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(f->data->size() - f->position, 0, count);
    if (n > 0)
        std::memcpy(ptr, f->data->constData() + f->position, size_t(n));
    f->position += n;
    return n;
}

sf_count_t memWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t memTell(void *user)
{
    return static_cast<MemoryFile *>(user)->position;
}

class SoundFile
{
public:
    explicit SoundFile(const QByteArray &data) : file_{&data}
    {
        SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
        std::memset(&info_, 0, sizeof info_);
        handle_ = sf_open_virtual(&io, SFM_READ, &info_, &file_);
    }
    ~SoundFile()
    {
        if (handle_)
            sf_close(handle_);
    }
    SoundFile(const SoundFile &) = delete;
    SoundFile &operator=(const SoundFile &) = delete;

    // Empty when the file is open with sane parameters.
    QString problem() const
    {
        if (!handle_)
            return QStringLiteral("not a recognised sound (%1)")
                .arg(QString::fromUtf8(sf_strerror(nullptr)));
        if (info_.channels < 1 || info_.channels > 64)
            return QStringLiteral("unsupported channel count %1").arg(info_.channels);
        if (info_.samplerate < 1000 || info_.samplerate > 384000)
            return QStringLiteral("unsupported sample rate %1").arg(info_.samplerate);
        return {};
    }

    SNDFILE *handle() const { return handle_; }
    const SF_INFO &info() const { return info_; }

private:
    MemoryFile file_;
    SF_INFO info_;
    SNDFILE *handle_ = nullptr;
};

} // namespace

QString probeSound(const QByteArray &data)
{
    return SoundFile(data).problem();
}

DecodedSound decodeSound(const QByteArray &data, const QString &what)
{
    SoundFile file(data);
    if (const QString problem = file.problem(); !problem.isEmpty())
        throw Error(QStringLiteral("%1: %2").arg(what, problem));

    const int channels = file.info().channels;
    DecodedSound sound;
    sound.sampleRate = file.info().samplerate;
    // The frame count in the header may be missing or wrong: read in blocks and stop at the cap.
    constexpr sf_count_t blockFrames = 4096;
    std::vector<float> block(size_t(blockFrames * channels));
    for (;;) {
        const sf_count_t got = sf_readf_float(file.handle(), block.data(), blockFrames);
        if (got <= 0)
            break;
        if (std::int64_t(sound.samples.size()) + got > maxDecodedFrames)
            throw Error(QStringLiteral("%1: the sound is longer than %2 frames")
                            .arg(what)
                            .arg(maxDecodedFrames));
        for (sf_count_t i = 0; i < got; ++i) {
            float sum = 0;
            for (int c = 0; c < channels; ++c)
                sum += block[size_t(i * channels + c)];
            const float mono = std::clamp(sum / float(channels), -1.0f, 1.0f);
            sound.samples.push_back(std::int16_t(mono * 32767.0f));
        }
    }
    if (sf_error(file.handle()) != SF_ERR_NO_ERROR)
        throw Error(QStringLiteral("%1: the sound does not decode (%2)")
                        .arg(what, QString::fromUtf8(sf_strerror(file.handle()))));
    if (sound.samples.empty())
        throw Error(QStringLiteral("%1: the sound holds no samples").arg(what));
    return sound;
}
