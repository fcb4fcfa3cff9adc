#include "SmfReader.h"

#include <algorithm>

namespace {

std::uint32_t BigEndian(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
    return v;
}

bool Fail(std::string* error, const std::string& why) {
    *error = why;
    return false;
}

// Walks one track body [at, end).
class TrackWalker {
public:
    TrackWalker(const std::string& b, std::size_t at, std::size_t end, SmfFile* smf)
        : b_(b), at_(at), end_(end), smf_(smf) {}

    bool Walk(SmfTrack* track, std::string* error) {
        std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> count
        int status = 0;
        std::uint64_t tick = 0;
        while (at_ < end_) {
            std::uint32_t delta;
            if (!VarLen(&delta)) return Fail(error, "delta time runs past the track");
            tick += delta;
            if (at_ >= end_) return Fail(error, "event missing after a delta time");
            const int first = std::uint8_t(b_[at_]);
            if (first == 0xFF) {
                bool ended = false;
                if (!Meta(&ended, error)) return false;
                if (ended) {
                    if (at_ != end_) return Fail(error, "bytes after end-of-track");
                    track->endTick = tick;
                    for (const auto& [note, count] : sounding) track->unclosedNotes += count;
                    return true;
                }
                continue;
            }
            if (first == 0xF0 || first == 0xF7) {
                ++at_;
                std::uint32_t length;
                if (!VarLen(&length) || length > end_ - at_) return Fail(error, "sysex runs past the track");
                at_ += length;
                continue;
            }
            if (first & 0x80) {
                status = first;
                ++at_;
            } else if (status == 0) {
                return Fail(error, "data byte without a running status");
            }
            const int kind = status & 0xF0, channel = status & 0x0F;
            const std::size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (dataBytes > end_ - at_) return Fail(error, "channel event runs past the track");
            const int d1 = std::uint8_t(b_[at_]), d2 = dataBytes == 2 ? std::uint8_t(b_[at_ + 1]) : 0;
            at_ += dataBytes;
            if ((d1 | d2) & 0x80) return Fail(error, "data byte with its high bit set");
            if (kind == 0x90 && d2 > 0) {
                ++sounding[{channel, d1}];
                if (track->notesOn++ == 0) track->firstNoteTick = tick;
                track->channels.insert(channel);
                track->keys.insert(d1);
            } else if (kind == 0x80 || kind == 0x90) {
                int& count = sounding[{channel, d1}];
                if (count > 0) --count;
                track->lastNoteOffTick = std::max(track->lastNoteOffTick, tick);
            } else if (kind == 0xC0) {
                track->programs[channel] = d1;
            }
        }
        return Fail(error, "track without end-of-track");
    }

private:
    bool VarLen(std::uint32_t* value) {
        *value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at_ >= end_) return false;
            const int byte = std::uint8_t(b_[at_++]);
            *value = *value << 7 | std::uint32_t(byte & 0x7F);
            if (!(byte & 0x80)) return true;
        }
        return false;
    }

    bool Meta(bool* ended, std::string* error) {
        if (end_ - at_ < 2) return Fail(error, "meta event runs past the track");
        const int type = std::uint8_t(b_[at_ + 1]);
        at_ += 2;
        std::uint32_t length;
        if (!VarLen(&length) || length > end_ - at_) return Fail(error, "meta event runs past the track");
        if (type == 0x2F) {
            if (length != 0) return Fail(error, "end-of-track with data");
            *ended = true;
        }
        if (type == 0x51) {
            if (length != 3) return Fail(error, "tempo event of the wrong length");
            smf_->microsecondsPerQuarter = BigEndian(b_, at_, 3);
            ++smf_->tempoEvents;
        }
        at_ += length;
        return true;
    }

    const std::string& b_;
    std::size_t at_, end_;
    SmfFile* smf_;
};

}  // namespace

double SmfFile::Seconds() const {
    std::uint64_t ticks = 0;
    for (const auto& t : tracks) ticks = std::max(ticks, t.endTick);
    return division > 0 ? double(ticks) / division * microsecondsPerQuarter / 1e6 : 0.0;
}

bool ParseSmf(const std::string& b, SmfFile* smf, std::string* error) {
    if (b.size() < 14 || b.compare(0, 4, "MThd") != 0 || BigEndian(b, 4, 4) != 6)
        return Fail(error, "no MThd header of length 6");
    smf->format = int(BigEndian(b, 8, 2));
    const int trackCount = int(BigEndian(b, 10, 2));
    smf->division = int(BigEndian(b, 12, 2));
    if (smf->format > 2) return Fail(error, "unknown format");
    if (smf->division == 0 || (smf->division & 0x8000)) return Fail(error, "division is not ticks a quarter");
    std::size_t at = 14;
    for (int i = 0; i < trackCount; ++i) {
        if (b.size() - at < 8 || b.compare(at, 4, "MTrk") != 0)
            return Fail(error, "track " + std::to_string(i) + ": no MTrk chunk");
        const std::size_t length = BigEndian(b, at + 4, 4);
        if (length > b.size() - at - 8) return Fail(error, "track " + std::to_string(i) + ": chunk runs past the file");
        SmfTrack track;
        if (!TrackWalker(b, at + 8, at + 8 + length, smf).Walk(&track, error)) {
            *error = "track " + std::to_string(i) + ": " + *error;
            return false;
        }
        smf->tracks.push_back(track);
        at += 8 + length;
    }
    if (at != b.size()) return Fail(error, "bytes after the last track");
    return true;
}
