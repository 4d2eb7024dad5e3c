// soundgen: writes the program's sounds into a folder, as 16-bit mono PCM WAV files at 22050 Hz.
//
//   soundgen OUTPUT_FOLDER
//
// S1..S16 are the groups' jingles (one per animal group, each its own motif and instrument),
// S20 a bright pip (tab, tool button, right answer), S21 a soft swoosh (a blind or the scoreboard
// moving), S22 a gentle falling phrase (series lost), S23 a rising fanfare (level passed) and S24 a
// low soft bonk (error or help). Everything is synthesised here from sine partials and filtered
// noise, so the build needs no recorded assets; the output is the same on every run.
//
// Every sound peaks at half of full scale (-6 dBFS) and every note starts and ends on a smooth
// envelope, so nothing clicks.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.5;

using Buffer = std::vector<double>;

enum class Timbre { Bell, Glass, Marimba, Pluck, Flute, Horn, Thud };

struct Partial {
    double ratio; // of the note's frequency
    double amp;
    double decay; // time constant in seconds; 0 keeps the partial up until the release
};

struct Voice {
    std::vector<Partial> partials;
    double attack;  // seconds
    double release; // seconds, at the end of the note
    double vibrato; // relative depth of a 5.5 Hz vibrato
};

Voice voiceOf(Timbre t) {
    switch (t) {
    case Timbre::Bell:
        return {{{1, 1, 0.45}, {2, 0.45, 0.3}, {3, 0.2, 0.18}, {4.2, 0.12, 0.1}}, 0.006, 0.04, 0};
    case Timbre::Glass:
        return {{{1, 1, 0.5}, {2.76, 0.25, 0.2}, {5.4, 0.08, 0.08}}, 0.004, 0.04, 0};
    case Timbre::Marimba:
        return {{{1, 1, 0.28}, {4, 0.25, 0.05}, {9.9, 0.05, 0.02}}, 0.004, 0.03, 0};
    case Timbre::Pluck:
        return {{{1, 1, 0.35}, {2, 0.35, 0.22}, {3, 0.18, 0.15}, {4, 0.08, 0.1}, {5, 0.04, 0.07}},
                0.005,
                0.03,
                0};
    case Timbre::Flute:
        return {{{1, 1, 0.9}, {2, 0.12, 0.6}, {3, 0.04, 0.4}}, 0.04, 0.09, 0.006};
    case Timbre::Horn:
        return {{{1, 1, 1.5}, {2, 0.55, 1.2}, {3, 0.35, 1.0}, {4, 0.2, 0.8}, {5, 0.1, 0.6}},
                0.035,
                0.1,
                0.003};
    case Timbre::Thud:
        return {{{1, 1, 0.08}, {2, 0.15, 0.04}}, 0.004, 0.03, 0};
    }
    return {};
}

double midi(double m) {
    return 440.0 * std::pow(2.0, (m - 69.0) / 12.0);
}

// Raised-cosine ramps: smooth at both ends, so a note never steps.
double rampUp(double t, double length) {
    return t >= length ? 1.0 : 0.5 - 0.5 * std::cos(kPi * t / length);
}

struct Note {
    double start;  // seconds
    double length; // seconds, the ringing tail included
    double from;   // MIDI note at the start
    double to;     // MIDI note at the end (the same for no glide)
    double gain;
    Timbre timbre;
};

void addNote(Buffer& out, const Note& n) {
    const Voice v = voiceOf(n.timbre);
    const int first = int(std::lround(n.start * kRate));
    const int count = int(std::lround(n.length * kRate));
    if (out.size() < size_t(first + count))
        out.resize(size_t(first + count), 0.0);
    const double f0 = midi(n.from);
    const double f1 = midi(n.to);
    const double top = std::max(f0, f1);
    std::vector<double> phase(v.partials.size(), 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kRate;
        const double f = f0 * std::pow(f1 / f0, t / n.length) *
                         (1.0 + v.vibrato * std::sin(2 * kPi * 5.5 * t) * rampUp(t, 0.15));
        const double env = rampUp(t, v.attack) * rampUp(n.length - t, v.release);
        double s = 0;
        for (size_t k = 0; k < v.partials.size(); ++k) {
            const Partial& p = v.partials[k];
            if (top * p.ratio > 0.45 * kRate)
                continue; // would fold back below Nyquist as a harsh alias
            phase[k] += 2 * kPi * f * p.ratio / kRate;
            s += p.amp * (p.decay > 0 ? std::exp(-t / p.decay) : 1.0) * std::sin(phase[k]);
        }
        out[size_t(first + i)] += n.gain * env * s;
    }
}

// A motif on a steady beat: each entry is (beat, MIDI note, beats held); the last note rings on.
struct Step {
    double beat;
    double note;
    double held;
};

Buffer motif(Timbre timbre, double beat, const std::vector<Step>& steps, double lastRing) {
    Buffer out;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const double length = i + 1 == steps.size() ? lastRing : std::max(s.held * beat, 0.12);
        addNote(out, {s.beat * beat, length, s.note, s.note, 1.0, timbre});
    }
    return out;
}

// Deterministic white noise (a fixed linear congruential generator), so every build writes the
// same bytes.
class Noise {
public:
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24) * 2.0 - 1.0;
    }

private:
    uint32_t m_state = 0x5EED1234u;
};

// Band-passed noise whose centre glides up and back down: air moving past.
Buffer swoosh(double length, double lowHz, double highHz) {
    Buffer out(size_t(length * kRate), 0.0);
    Noise noise;
    double low = 0, band = 0, smooth = 0;
    const double q = 1.8;
    for (size_t i = 0; i < out.size(); ++i) {
        const double x = double(i) / double(out.size()); // 0..1
        const double shape = std::sin(kPi * x);
        const double centre = lowHz * std::pow(highHz / lowHz, std::sin(kPi * std::pow(x, 0.8)));
        const double f = 2 * std::sin(kPi * centre / kRate);
        const double high = noise.next() - low - band / q;
        band += f * high;
        low += f * band;
        // A gentle low-pass on top takes the hiss off: a soft swoosh, not a hiss.
        smooth += 0.55 * (band - smooth);
        out[i] = smooth * shape * shape;
    }
    return out;
}

void mixInto(Buffer& out, const Buffer& in, double gain) {
    if (out.size() < in.size())
        out.resize(in.size(), 0.0);
    for (size_t i = 0; i < in.size(); ++i)
        out[i] += gain * in[i];
}

// Scales to the common peak and makes sure the very ends are silent.
std::vector<int16_t> finish(Buffer b) {
    const double fadeIn = 0.003 * kRate, fadeOut = 0.012 * kRate;
    for (size_t i = 0; i < b.size(); ++i) {
        b[i] *= rampUp(double(i), fadeIn);
        b[i] *= rampUp(double(b.size() - 1 - i), fadeOut);
    }
    double peak = 0;
    for (double s : b)
        peak = std::max(peak, std::fabs(s));
    const double scale = peak > 0 ? kPeak / peak : 0;
    std::vector<int16_t> pcm(b.size());
    for (size_t i = 0; i < b.size(); ++i)
        pcm[i] = int16_t(std::lround(b[i] * scale * 32767.0));
    return pcm;
}

void put16(std::string& s, uint16_t v) {
    s += char(v & 0xFF);
    s += char(v >> 8);
}

void put32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += char((v >> (8 * i)) & 0xFF);
}

bool writeWav(const std::string& path, const std::vector<int16_t>& pcm) {
    const uint32_t dataBytes = uint32_t(pcm.size() * 2);
    std::string s;
    s += "RIFF";
    put32(s, 36 + dataBytes);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1); // PCM
    put16(s, 1); // mono
    put32(s, kRate);
    put32(s, kRate * 2);
    put16(s, 2);
    put16(s, 16);
    s += "data";
    put32(s, dataBytes);
    for (int16_t v : pcm)
        put16(s, uint16_t(v));

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(s.data(), 1, s.size(), f) == s.size();
    return std::fclose(f) == 0 && ok;
}

// One jingle per group, in the group order of the front page. Major and pentatonic motifs only:
// a group's sound greets the pupils.
Buffer groupJingle(int group) {
    using T = Timbre;
    switch (group) {
    case 1: // dolphins: a quick sparkling leap upwards
        return motif(T::Bell, 0.1, {{0, 84, 1}, {1, 88, 1}, {2, 91, 1}, {3, 96, 1}}, 0.6);
    case 2: { // parrots: chirps
        return motif(T::Pluck, 0.08, {{0, 86, 1}, {1, 86, 1}, {2, 91, 1}, {3, 88, 1}, {4, 93, 1}},
                     0.45);
    }
    case 3: { // cats: a cheerful "miaow", up and back
        Buffer b;
        addNote(b, {0.0, 0.28, 76, 79, 0.9, T::Flute});
        addNote(b, {0.26, 0.5, 81, 76, 1.0, T::Flute});
        return b;
    }
    case 4: // orangutans: swinging from note to note
        return motif(T::Marimba, 0.13, {{0, 67, 1}, {1, 72, 1}, {2, 67, 1}, {3, 76, 1}, {4, 79, 1}},
                     0.45);
    case 5: // lions: a proud call on the horn
        return motif(T::Horn, 0.17, {{0, 60, 1}, {1, 67, 1}, {2, 72, 3}}, 0.6);
    case 6: // tigers
        return motif(T::Horn, 0.13, {{0, 62, 1}, {1, 69, 1}, {2, 66, 1}, {3, 74, 3}}, 0.5);
    case 7: // brown bears: slow and low
        return motif(T::Marimba, 0.2, {{0, 48, 1}, {1, 52, 1}, {2, 55, 1}, {3, 60, 2}}, 0.5);
    case 8: // elephants: a trumpet's call
        return motif(T::Horn, 0.15, {{0, 55, 0.8}, {1, 55, 0.8}, {2, 60, 1}, {3, 64, 3}}, 0.55);
    case 9: // chimpanzees: bouncing
        return motif(T::Marimba, 0.09, {{0, 72, 1}, {1, 76, 1}, {2, 79, 1}, {3, 76, 1}, {4, 84, 1}},
                     0.45);
    case 10: // butterflies: fluttering high
        return motif(T::Flute, 0.1, {{0, 91, 1}, {1, 88, 1}, {2, 93, 1}, {3, 91, 1}, {4, 96, 3}},
                     0.4);
    case 11: // rhinos: sturdy low plucks
        return motif(T::Pluck, 0.14, {{0, 45, 1}, {1, 52, 1}, {2, 57, 1}, {3, 64, 2}}, 0.5);
    case 12: { // wolves: a friendly howl
        Buffer b;
        addNote(b, {0.0, 0.45, 69, 76, 1.0, T::Flute});
        addNote(b, {0.42, 0.55, 76, 72, 0.9, T::Flute});
        return b;
    }
    case 13: // sharks: a low run up through the water
        return motif(T::Marimba, 0.12, {{0, 53, 1}, {1, 57, 1}, {2, 60, 1}, {3, 65, 2}}, 0.5);
    case 14: // polar bears: icy glass bells
        return motif(T::Glass, 0.18, {{0, 79, 1}, {1, 76, 1}, {2, 84, 2}}, 0.6);
    case 15: // pumas: a quick climb
        return motif(T::Pluck, 0.1, {{0, 71, 1}, {1, 74, 1}, {2, 78, 1}, {3, 83, 2}}, 0.5);
    case 16: // giraffes: wide, tall leaps
        return motif(T::Bell, 0.15, {{0, 60, 1}, {1, 72, 1}, {2, 67, 1}, {3, 79, 2}}, 0.55);
    }
    return {};
}

Buffer pip() {
    Buffer b;
    addNote(b, {0.0, 0.09, 93, 93, 1.0, Timbre::Glass});
    return b;
}

Buffer blindMoving() {
    Buffer b = swoosh(0.4, 350, 2600);
    Buffer glide;
    addNote(glide, {0.0, 0.4, 62, 74, 1.0, Timbre::Flute});
    mixInto(b, glide, 0.015);
    return b;
}

Buffer seriesLost() {
    Buffer b;
    addNote(b, {0.0, 0.32, 67, 67, 0.8, Timbre::Flute});
    addNote(b, {0.3, 0.32, 64, 64, 0.8, Timbre::Flute});
    addNote(b, {0.6, 0.55, 60, 59.3, 0.8, Timbre::Flute});
    return b;
}

Buffer levelPassed() {
    Buffer b;
    const double run[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i)
        addNote(b, {0.12 * i, 0.2, run[i], run[i], 0.8, Timbre::Horn});
    addNote(b, {0.38, 1.12, 84, 84, 0.9, Timbre::Horn});
    for (double chord : {72.0, 76.0, 79.0})
        addNote(b, {0.38, 1.12, chord, chord, 0.35, Timbre::Horn});
    addNote(b, {0.38, 1.0, 96, 96, 0.25, Timbre::Bell});
    return b;
}

Buffer bonk() {
    Buffer b;
    addNote(b, {0.0, 0.22, 57, 48, 1.0, Timbre::Thud});
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::pair<std::string, Buffer>> sounds;
    for (int g = 1; g <= 16; ++g)
        sounds.emplace_back(std::to_string(g), groupJingle(g));
    sounds.emplace_back("20", pip());
    sounds.emplace_back("21", blindMoving());
    sounds.emplace_back("22", seriesLost());
    sounds.emplace_back("23", levelPassed());
    sounds.emplace_back("24", bonk());

    for (auto& [name, buffer] : sounds) {
        const std::string path = folder + "/S" + name + ".wav";
        if (!writeWav(path, finish(std::move(buffer)))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
