#include "sound.h"

#include "collection.h"
#include "error.h"
#include "sounddecode.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <algorithm>
#include <cmath>

// ---- SoundOutput -------------------------------------------------------------------------

SoundOutput::~SoundOutput()
{
    stop();
}

void SoundOutput::start()
{
    if (isStarted())
        return;
    ALCdevice *device = alcOpenDevice(nullptr);
    if (!device)
        throw Error(QStringLiteral("Cannot start sound output: no sound device could be opened"));
    ALCcontext *context = alcCreateContext(device, nullptr);
    if (!context || !alcMakeContextCurrent(context)) {
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
        throw Error(
            QStringLiteral("Cannot start sound output: the sound device refused a context"));
    }
    // Sources are placed only to pan them: no distance attenuation.
    alDistanceModel(AL_NONE);
    device_ = device;
    context_ = context;
}

void SoundOutput::stop()
{
    if (!isStarted())
        return;
    // release() detaches the list, so work on a copy.
    const std::vector<WaveList *> lists = lists_;
    for (WaveList *list : lists)
        list->release();
    lists_.clear();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(static_cast<ALCcontext *>(context_));
    alcCloseDevice(static_cast<ALCdevice *>(device_));
    context_ = nullptr;
    device_ = nullptr;
}

void SoundOutput::attach(WaveList *list)
{
    if (std::find(lists_.begin(), lists_.end(), list) == lists_.end())
        lists_.push_back(list);
}

void SoundOutput::detach(WaveList *list)
{
    lists_.erase(std::remove(lists_.begin(), lists_.end(), list), lists_.end());
}

// ---- WaveEntry ---------------------------------------------------------------------------

WaveEntry::WaveEntry(const SoundRecord &record)
    : name_(record.name), volume_(std::clamp(record.volume, 0, 100)),
      pan_(std::clamp(record.pan, -100, 100)), frequency_(std::max(record.frequency, 0)),
      looped_(record.looped), maxPlaying_(std::max(record.maxPlaying, 0))
{
    DecodedSound sound = decodeSound(record.data, QStringLiteral("Wave '%1'").arg(name_));
    sampleRate_ = sound.sampleRate;
    samples_ = std::move(sound.samples);
}

WaveEntry::~WaveEntry()
{
    release();
}

void WaveEntry::prepare()
{
    if (buffer_)
        return;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        throw Error(QStringLiteral("Wave '%1': no sound buffer could be created").arg(name_));
    alBufferData(buffer, AL_FORMAT_MONO16, samples_.data(),
                 ALsizei(samples_.size() * sizeof(qint16)), sampleRate_);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        throw Error(QStringLiteral("Wave '%1': the sound buffer could not be filled").arg(name_));
    }
    buffer_ = buffer;
}

void WaveEntry::release()
{
    if (!buffer_)
        return;
    for (ALuint source : sources_) {
        alSourceStop(source);
        alDeleteSources(1, &source);
    }
    sources_.clear();
    startSerials_.clear();
    ALuint buffer = buffer_;
    alDeleteBuffers(1, &buffer);
    buffer_ = 0;
}

bool WaveEntry::copyPlaying(int index) const
{
    if (index < 0 || index >= copies())
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(sources_[size_t(index)], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

int WaveEntry::playingCount() const
{
    int n = 0;
    for (int i = 0; i < copies(); ++i)
        n += copyPlaying(i) ? 1 : 0;
    return n;
}

quint64 WaveEntry::copyStartSerial(int index) const
{
    return index >= 0 && index < copies() ? startSerials_[size_t(index)] : 0;
}

void WaveEntry::play()
{
    if (hook_ && *hook_)
        (*hook_)(name_);
    if (!buffer_)
        return;

    auto addCopy = [this]() {
        alGetError();
        ALuint source = 0;
        alGenSources(1, &source);
        // The device has a fixed number of sources; when they run out the oldest copy is reused.
        if (alGetError() != AL_NO_ERROR)
            return false;
        alSourcei(source, AL_BUFFER, ALint(buffer_));
        sources_.push_back(source);
        startSerials_.push_back(0);
        return true;
    };

    if (looped_) {
        if (sources_.empty() && !addCopy())
            return;
        startSource(0);
        return;
    }
    for (size_t i = 0; i < sources_.size(); ++i) {
        if (!copyPlaying(int(i))) {
            startSource(i);
            return;
        }
    }
    if ((maxPlaying_ == 0 || copies() < maxPlaying_) && addCopy()) {
        startSource(sources_.size() - 1);
        return;
    }
    if (sources_.empty())
        return;
    // The oldest copy restarts and becomes the newest.
    std::rotate(sources_.begin(), sources_.begin() + 1, sources_.end());
    std::rotate(startSerials_.begin(), startSerials_.begin() + 1, startSerials_.end());
    startSource(sources_.size() - 1);
}

void WaveEntry::startSource(std::size_t index)
{
    const ALuint source = sources_[index];
    alSourceStop(source);
    alSourceRewind(source);
    alSourcef(source, AL_GAIN, float(volume_) / 100.0f);
    // Pan places the mono source on a half circle in front of the listener.
    const float x = float(pan_) / 100.0f;
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, x, 0.0f, -std::sqrt(std::max(0.0f, 1.0f - x * x)));
    const float pitch = frequency_ > 0 ? float(frequency_) / float(sampleRate_) : 1.0f;
    alSourcef(source, AL_PITCH, std::clamp(pitch, 0.01f, 16.0f));
    alSourcei(source, AL_LOOPING, looped_ ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    startSerials_[index] = nextSerial_++;
}

void WaveEntry::stop()
{
    if (!buffer_)
        return;
    for (ALuint source : sources_)
        alSourceStop(source);
}

// ---- WaveList ----------------------------------------------------------------------------

WaveList::WaveList() : hook_(std::make_shared<std::function<void(const QString &)>>()) {}

WaveList::~WaveList()
{
    release();
}

void WaveList::loadFromFile(const QString &path)
{
    // Read, decode and (when the list plays) prepare everything before the list changes.
    std::vector<WavePtr> loaded;
    for (const SoundRecord &r : readSoundCollection(path)) {
        try {
            loaded.push_back(std::make_shared<WaveEntry>(r));
        } catch (const Error &e) {
            throw Error(QStringLiteral("Cannot read collection '%1': %2").arg(path, e.text()));
        }
        loaded.back()->setPlayHook(hook_);
        if (output_)
            loaded.back()->prepare();
    }
    for (const WavePtr &e : entries_)
        e->release();
    entries_.swap(loaded);
}

WavePtr WaveList::tryFind(const QString &name) const
{
    for (const WavePtr &e : entries_)
        if (e->name().compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return nullptr;
}

WavePtr WaveList::find(const QString &name) const
{
    if (WavePtr e = tryFind(name))
        return e;
    throw Error(QStringLiteral("Wave '%1' not found").arg(name));
}

void WaveList::play(const QString &name)
{
    find(name)->play();
}

void WaveList::stop(const QString &name)
{
    find(name)->stop();
}

void WaveList::prepare(SoundOutput &output)
{
    if (!output.isStarted() || output_ == &output)
        return;
    release();
    output_ = &output;
    output.attach(this);
    try {
        for (const WavePtr &e : entries_)
            e->prepare();
    } catch (const Error &) {
        release();
        throw;
    }
}

void WaveList::release()
{
    for (const WavePtr &e : entries_)
        e->release();
    if (output_)
        output_->detach(this);
    output_ = nullptr;
}
