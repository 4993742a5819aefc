#include "Score.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <istream>
#include <sstream>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

float Number(const std::string& text) {
    std::size_t used = 0;
    float value = 0.0f;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !std::isfinite(value)) throw std::invalid_argument(text);
    return value;
}

std::vector<float> Numbers(const std::string& text, std::size_t count) {
    std::vector<float> values;
    for (const std::string& part : Split(text, ','))
        values.push_back(Number(part));
    if (values.size() != count) throw std::invalid_argument(text);
    return values;
}

const std::map<std::string, Waveform> kWaveforms = {
    {"sine", Waveform::Sine},         {"square", Waveform::Square}, {"saw", Waveform::Saw},
    {"triangle", Waveform::Triangle}, {"noise", Waveform::Noise},
};

using Setter = std::function<void(Instrument&, const std::string&)>;

Setter Field(float Instrument::*field) {
    return [field](Instrument& instrument, const std::string& value) {
        instrument.*field = Number(value);
    };
}

Setter Pair(float Instrument::*first, float Instrument::*second) {
    return [first, second](Instrument& instrument, const std::string& value) {
        const auto values = Numbers(value, 2);
        instrument.*first = values[0];
        instrument.*second = values[1];
    };
}

const std::map<std::string, Setter> kInstrumentKeys = {
    {"wave",
     [](Instrument& instrument, const std::string& value) {
         const auto found = kWaveforms.find(value);
         if (found == kWaveforms.end()) throw std::invalid_argument(value);
         instrument.waveform = found->second;
     }},
    {"duty", Field(&Instrument::duty)},
    {"attack", Field(&Instrument::attack)},
    {"decay", Field(&Instrument::decay)},
    {"sustain", Field(&Instrument::sustain)},
    {"release", Field(&Instrument::release)},
    {"gain", Field(&Instrument::gain)},
    {"freq", Field(&Instrument::frequency)},
    {"slide", Pair(&Instrument::slideRatio, &Instrument::slideSeconds)},
    {"lowpass",
     [](Instrument& instrument, const std::string& value) {
         const auto parts = Split(value, ',');
         const auto values = Numbers(value, parts.size() == 1 ? 1 : 3);
         instrument.lowpass = values.size() == 1 ? Glide{values[0], values[0], 0.0f}
                                                 : Glide{values[0], values[1], values[2]};
     }},
    {"highpass", Field(&Instrument::highpass)},
    {"vibrato", Pair(&Instrument::vibratoRate, &Instrument::vibratoDepth)},
    {"detune", Field(&Instrument::detuneCents)},
    {"drive", Field(&Instrument::drive)},
};

// Reads one score line at a time into the score.
class ScoreReader {
public:
    ScoreReader(Score& score, std::filesystem::path directory)
        : score_(score), directory_(std::move(directory)) {}

    // Reads every line; a mistake is reported with its line number.
    void ReadLines(std::istream& in) {
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            try {
                Read(line.substr(0, line.find(';')));
            } catch (const std::exception& error) {
                throw ScoreError(number, error.what());
            }
        }
    }

private:
    void Read(const std::string& text) {
        const std::size_t colon = text.find(':');
        if (colon != std::string::npos) return Voice(text.substr(0, colon), text.substr(colon + 1));
        const auto words = Words(text);
        if (words.empty()) return;
        const auto keyword = kKeywords.find(words[0]);
        if (keyword == kKeywords.end()) throw std::invalid_argument("unknown word " + words[0]);
        (this->*keyword->second)(words);
    }

    using Handler = void (ScoreReader::*)(const std::vector<std::string>&);
    static const std::map<std::string, Handler> kKeywords;

    static void Expect(const std::vector<std::string>& words, std::size_t count) {
        if (words.size() != count)
            throw std::invalid_argument(words[0] + " takes " + std::to_string(count - 1) +
                                        " value(s)");
    }

    void Tempo(const std::vector<std::string>& words) {
        Expect(words, 2);
        score_.tempo = Number(words[1]);
        if (score_.tempo <= 0.0f) throw std::invalid_argument("tempo must be above 0");
    }

    void Steps(const std::vector<std::string>& words) {
        Expect(words, 2);
        score_.stepsPerBeat = static_cast<int>(Number(words[1]));
        if (score_.stepsPerBeat < 1) throw std::invalid_argument("steps must be at least 1");
    }

    void Loop(const std::vector<std::string>& words) {
        Expect(words, 1);
        score_.loop = true;
    }

    void Peak(const std::vector<std::string>& words) {
        Expect(words, 2);
        score_.peak = Number(words[1]);
    }

    void DefineInstrument(const std::vector<std::string>& words) {
        if (words.size() < 2) throw std::invalid_argument("instrument needs a name");
        Instrument instrument;
        for (std::size_t i = 2; i < words.size(); ++i) {
            const std::size_t equals = words[i].find('=');
            const auto key = kInstrumentKeys.find(words[i].substr(0, equals));
            if (equals == std::string::npos || key == kInstrumentKeys.end()) {
                throw std::invalid_argument("unknown instrument setting " + words[i]);
            }
            key->second(instrument, words[i].substr(equals + 1));
        }
        score_.instrumentNames[words[1]] = score_.instruments.size();
        score_.instruments.push_back(instrument);
    }

    // Reads another score file (shared instruments) as if its lines stood here.
    void Include(const std::vector<std::string>& words) {
        Expect(words, 2);
        if (++includeDepth_ > kMaxIncludeDepth)
            throw std::invalid_argument("includes nest too deep");
        std::ifstream in(directory_ / words[1]);
        if (!in) throw std::invalid_argument("cannot open " + words[1]);
        try {
            ReadLines(in);
        } catch (const ScoreError& error) {
            throw std::invalid_argument(words[1] + " " + error.what());
        }
        --includeDepth_;
    }

    void StartPattern(const std::vector<std::string>& words) {
        Expect(words, 2);
        pattern_ = &score_.patterns[words[1]];
        voice_.clear();
    }

    // "play a b*2,c": the items play together; within an item, patterns joined by ',' play one
    // after another, each "*n" times. The next play line starts when the longest item ends.
    void Play(const std::vector<std::string>& words) {
        int longest = 0;
        for (std::size_t i = 1; i < words.size(); ++i) {
            int offset = 0;
            for (const std::string& part : Split(words[i], ','))
                offset += Place(part, score_.steps + offset);
            longest = std::max(longest, offset);
        }
        score_.steps += longest;
    }

    // Lays "name*n" down from `start`; returns how many steps it takes.
    int Place(const std::string& item, int start) {
        const auto parts = Split(item, '*');
        const auto found = score_.patterns.find(parts.empty() ? "" : parts[0]);
        if (found == score_.patterns.end()) throw std::invalid_argument("no pattern " + item);
        const int times = parts.size() > 1 ? static_cast<int>(Number(parts[1])) : 1;
        if (times < 1 || times > kMostRepeats)
            throw std::invalid_argument("repeats out of range: " + item);
        const Pattern& pattern = found->second;
        for (int time = 0; time < times; ++time) {
            for (Note note : pattern.notes) {
                note.step += start + time * pattern.steps;
                score_.notes.push_back(note);
            }
        }
        return times * pattern.steps;
    }

    // "names : tokens" starts a voice of one or more instruments ("kick+snare"); a line with
    // nothing before its ':' goes on with the voice of the line above.
    void Voice(const std::string& names, const std::string& tokens) {
        if (pattern_ == nullptr) throw std::invalid_argument("notes outside a pattern");
        const auto list = Words(names);
        if (list.size() > 1) throw std::invalid_argument("one list of instruments before ':'");
        if (list.empty() && voice_.empty()) throw std::invalid_argument("no voice to go on with");
        if (!list.empty()) {
            voice_.clear();
            for (const std::string& name : Split(list[0], '+'))
                voice_.push_back(FindInstrument(name));
            voiceStep_ = 0;
            voiceOpen_ = pattern_->notes.size();
        }
        for (const std::string& token : Words(tokens)) {
            if (token == "|") continue;
            if (token == "-") {
                if (voiceOpen_ == pattern_->notes.size())
                    throw std::invalid_argument("a hold with no note");
                for (std::size_t i = voiceOpen_; i < pattern_->notes.size(); ++i)
                    ++pattern_->notes[i].steps;
            } else {
                voiceOpen_ = pattern_->notes.size();
                if (token != ".") Strike(token, voiceStep_, voice_);
            }
            ++voiceStep_;
        }
        pattern_->steps = std::max(pattern_->steps, voiceStep_);
    }

    std::size_t FindInstrument(const std::string& name) const {
        const auto found = score_.instrumentNames.find(name);
        if (found == score_.instrumentNames.end())
            throw std::invalid_argument("no instrument " + name);
        return found->second;
    }

    // A hit ("x" soft, "X" loud) or one or more notes joined by "/" for every instrument.
    void Strike(const std::string& token, int step, const std::vector<std::size_t>& instruments) {
        for (const std::size_t instrument : instruments) {
            if (token == "x" || token == "X") {
                const float velocity = token == "X" ? 1.0f : 0.6f;
                pattern_->notes.push_back(
                    {instrument, step, 1, score_.instruments[instrument].frequency, velocity});
                continue;
            }
            for (const std::string& name : Split(token, '/')) {
                const float frequency = NoteFrequency(name);
                if (frequency <= 0.0f) throw std::invalid_argument("not a note: " + name);
                pattern_->notes.push_back({instrument, step, 1, frequency, 1.0f});
            }
        }
    }

    static constexpr int kMaxIncludeDepth = 8;
    static constexpr int kMostRepeats = 1000;

    Score& score_;
    std::filesystem::path directory_;
    int includeDepth_ = 0;
    Pattern* pattern_ = nullptr;
    // The voice line a line with no instruments before its ':' goes on with.
    std::vector<std::size_t> voice_;
    int voiceStep_ = 0;
    std::size_t voiceOpen_ = 0;
};

const std::map<std::string, ScoreReader::Handler> ScoreReader::kKeywords = {
    {"tempo", &ScoreReader::Tempo},
    {"steps", &ScoreReader::Steps},
    {"loop", &ScoreReader::Loop},
    {"peak", &ScoreReader::Peak},
    {"instrument", &ScoreReader::DefineInstrument},
    {"pattern", &ScoreReader::StartPattern},
    {"play", &ScoreReader::Play},
    {"include", &ScoreReader::Include},
};

}  // namespace

float Glide::At(float t) const {
    if (seconds <= 0.0f || t >= seconds || from <= 0.0f || to <= 0.0f) return to;
    return from * std::pow(to / from, t / seconds);
}

ScoreError::ScoreError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message) {}

float NoteFrequency(const std::string& name) {
    static const std::map<char, int> kSemitones = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                   {'G', 7}, {'A', 9}, {'B', 11}};
    if (name.size() < 2 || kSemitones.count(name[0]) == 0) return 0.0f;
    int semitone = kSemitones.at(name[0]);
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') semitone += name[at++] == '#' ? 1 : -1;
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '9') return 0.0f;
    const int midi = 12 * (name[at] - '0' + 1) + semitone;
    return 440.0f * std::pow(2.0f, static_cast<float>(midi - 69) / 12.0f);
}

Score ParseScore(std::istream& in, const std::filesystem::path& directory) {
    Score score;
    ScoreReader reader(score, directory);
    reader.ReadLines(in);
    if (score.steps == 0) throw ScoreError(0, "nothing is played");
    return score;
}
