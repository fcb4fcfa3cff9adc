#include "platform/testing/RecordingSoundSystem.h"

#include <algorithm>

namespace platform::testing {

struct RecordingSoundSystem::Log {
    std::vector<SoundCall> calls;
};

class RecordingSoundSystem::RecordingBuffer : public SoundBuffer {
public:
    RecordingBuffer(std::shared_ptr<Log> log, std::shared_ptr<SoundBufferRecord> record)
        : log_(std::move(log)), record_(std::move(record)) {}
    ~RecordingBuffer() override {
        record_->playing = false;
        record_->released = true;
    }

    void Play() override {
        ++record_->playCalls;
        if (!record_->playing) ++record_->starts;
        record_->playing = true;
        Note(SoundCallKind::Play);
    }
    void Stop() override {
        ++record_->stops;
        record_->playing = false;
        Note(SoundCallKind::Stop);
    }
    bool IsPlaying() const override { return record_->playing; }
    void SetVolume(int hundredthsOfDb) override {
        record_->volume = std::clamp(hundredthsOfDb, kSilentVolume, kFullVolume);
        Note(SoundCallKind::SetVolume);
    }
    int Volume() const override { return record_->volume; }

private:
    void Note(SoundCallKind kind) { log_->calls.push_back({kind, record_->path, record_->volume}); }

    std::shared_ptr<Log> log_;
    std::shared_ptr<SoundBufferRecord> record_;
};

RecordingSoundSystem::RecordingSoundSystem() : log_(std::make_shared<Log>()) {}
RecordingSoundSystem::~RecordingSoundSystem() = default;

std::unique_ptr<SoundBuffer> RecordingSoundSystem::LoadWave(std::string_view gbkPath) {
    log_->calls.push_back({SoundCallKind::Load, std::string(gbkPath)});
    if (refused_.count(std::string(gbkPath))) return nullptr;
    auto record = std::make_shared<SoundBufferRecord>();
    record->path = gbkPath;
    buffers_.push_back(record);
    return std::make_unique<RecordingBuffer>(log_, std::move(record));
}

void RecordingSoundSystem::PlaySoundFile(std::string_view gbkPath) {
    log_->calls.push_back({SoundCallKind::PlayFile, std::string(gbkPath)});
}

void RecordingSoundSystem::Beep() { log_->calls.push_back({SoundCallKind::Beep, {}}); }

void RecordingSoundSystem::FinishPlaying() {
    for (const auto& record : buffers_) record->playing = false;
}

const std::vector<SoundCall>& RecordingSoundSystem::Calls() const { return log_->calls; }

std::vector<std::string> RecordingSoundSystem::Paths(SoundCallKind kind) const {
    std::vector<std::string> paths;
    for (const SoundCall& call : log_->calls)
        if (call.kind == kind) paths.push_back(call.path);
    return paths;
}

int RecordingSoundSystem::Count(SoundCallKind kind) const {
    return static_cast<int>(std::count_if(log_->calls.begin(), log_->calls.end(),
                                          [kind](const SoundCall& c) { return c.kind == kind; }));
}

const SoundBufferRecord* RecordingSoundSystem::Buffer(std::string_view gbkPath) const {
    for (auto it = buffers_.rbegin(); it != buffers_.rend(); ++it)
        if ((*it)->path == gbkPath) return it->get();
    return nullptr;
}

void RecordingSoundSystem::ClearCalls() { log_->calls.clear(); }

}  // namespace platform::testing
