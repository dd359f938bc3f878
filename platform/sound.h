#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

struct SoundRecord;
class WaveList;

// Sound output on OpenAL Soft. Nothing is opened until start(); the lists prepared on it are
// released when it stops, so no AL object outlives its context.
class SoundOutput
{
public:
    SoundOutput() = default;
    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;
    ~SoundOutput();

    // Opens the default device and makes a context current. Throws Error with a clear text when
    // no device can be opened. Starting a started output does nothing.
    void start();
    void stop();
    bool isStarted() const { return context_ != nullptr; }

private:
    friend class WaveList;
    void attach(WaveList *list);
    void detach(WaveList *list);

    void *device_ = nullptr;  // ALCdevice
    void *context_ = nullptr; // ALCcontext
    std::vector<WaveList *> lists_;
};

// One named sound with its own set of playback copies (AL sources on one AL buffer).
class WaveEntry
{
public:
    // Decodes the record's data (WAV, FLAC, Ogg) to 16-bit mono; throws Error on failure.
    explicit WaveEntry(const SoundRecord &record);
    WaveEntry(const WaveEntry &) = delete;
    WaveEntry &operator=(const WaveEntry &) = delete;
    ~WaveEntry();

    const QString &name() const { return name_; }
    int volume() const { return volume_; }       // 0..100
    int pan() const { return pan_; }             // -100 (left) .. 100 (right)
    int frequency() const { return frequency_; } // Hz, 0 = the data's own rate
    bool looped() const { return looped_; }
    int maxPlaying() const { return maxPlaying_; } // 0 = no limit
    int sampleRate() const { return sampleRate_; }
    int sampleCount() const { return int(samples_.size()); }
    bool isPrepared() const { return buffer_ != 0; }

    // Starts the sound without waiting; does nothing unless prepared. Every request is reported
    // to the owning list's play hook first, prepared or not.
    void play();
    // Stops every copy, looped or not; does nothing unless prepared.
    void stop();
    int copies() const { return int(sources_.size()); }
    int playingCount() const;
    // Whether copy i is playing (copies are kept oldest first).
    bool copyPlaying(int index) const;
    // A number that grows with every start of copy i: tells tests which copy restarted.
    quint64 copyStartSerial(int index) const;

    // Creates the AL buffer in the current context; release() deletes buffer and copies.
    void prepare();
    void release();

    using PlayHook = std::shared_ptr<std::function<void(const QString &name)>>;
    void setPlayHook(PlayHook hook) { hook_ = std::move(hook); }

private:
    void startSource(std::size_t index);

    QString name_;
    int volume_, pan_, frequency_;
    bool looped_;
    int maxPlaying_;
    int sampleRate_ = 0;
    std::vector<qint16> samples_;
    unsigned buffer_ = 0;               // ALuint, 0 = not prepared
    std::vector<unsigned> sources_;     // oldest first
    std::vector<quint64> startSerials_; // parallel to sources_
    quint64 nextSerial_ = 1;
    PlayHook hook_;
};

using WavePtr = std::shared_ptr<WaveEntry>;

// A list of named sounds loaded from a sound collection (.zks).
class WaveList
{
public:
    WaveList();
    WaveList(const WaveList &) = delete;
    WaveList &operator=(const WaveList &) = delete;
    ~WaveList();

    // Replaces the contents; on failure throws Error and leaves the list unchanged. A list that
    // is prepared on a started output prepares its new entries at once.
    void loadFromFile(const QString &path);
    int count() const { return int(entries_.size()); }
    const WavePtr &entry(int index) const { return entries_.at(index); }
    // Finds ignoring letter case; throws Error "Wave '%s' not found".
    WavePtr find(const QString &name) const;
    WavePtr tryFind(const QString &name) const;
    // find(name) then play() / stop().
    void play(const QString &name);
    void stop(const QString &name);

    // Creates the AL buffers on a started output (match setup calls it); does nothing when the
    // output is not started. release() stops and deletes them.
    void prepare(SoundOutput &output);
    void release();
    bool isPrepared() const { return output_ != nullptr; }

    // Called with the entry's name for every play request on an entry of this list, whether or
    // not output is started (the headless match runner records sounds through it).
    void setOnPlay(std::function<void(const QString &name)> hook) { *hook_ = std::move(hook); }

private:
    std::vector<WavePtr> entries_;
    WaveEntry::PlayHook hook_;
    SoundOutput *output_ = nullptr;
};
