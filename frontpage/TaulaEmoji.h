#pragma once

// The colour emoji of the front page, by name. The pictures are drawn from the emoji font once,
// at build time (tools/emojigen), and compiled in as PNG at a few sizes, so that starting the
// program never waits for the font's large bitmaps to be decoded. Plain C++ on purpose: the
// build tool reads this table too.
namespace TaulaEmoji {

struct Entrada {
    const char* nom;  // the picture's name in the compiled-in table
    const char* text; // the emoji: one character or a joined sequence
};

// Groups 1..16: dolphins, parrots, cats, orangutans, lions, tigers, brown bears, elephants,
// chimpanzees, butterflies, rhinos, wolves, sharks, polar bears, pumas and giraffes. Emoji has no
// chimpanzee or puma: the monkey and the leopard are the nearest.
inline constexpr Entrada kAnimals[16] = {
    {"grup1", "\U0001F42C"},                    // dolphin
    {"grup2", "\U0001F99C"},                    // parrot
    {"grup3", "\U0001F431"},                    // cat face
    {"grup4", "\U0001F9A7"},                    // orangutan
    {"grup5", "\U0001F981"},                    // lion face
    {"grup6", "\U0001F42F"},                    // tiger face
    {"grup7", "\U0001F43B"},                    // bear face
    {"grup8", "\U0001F418"},                    // elephant
    {"grup9", "\U0001F412"},                    // monkey
    {"grup10", "\U0001F98B"},                   // butterfly
    {"grup11", "\U0001F98F"},                   // rhinoceros
    {"grup12", "\U0001F43A"},                   // wolf face
    {"grup13", "\U0001F988"},                   // shark
    {"grup14", "\U0001F43B\u200D\u2744\uFE0F"}, // polar bear
    {"grup15", "\U0001F406"},                   // leopard
    {"grup16", "\U0001F992"},                   // giraffe
};

// Tools 0..10 of the front page, then the exit button.
inline constexpr Entrada kEines[12] = {
    {"eina0", "\U0001F511"},       // key: the password
    {"eina1", "\U0001FA9C"},       // ladder: the difficulty levels
    {"eina2", "\U0001F30D"},       // globe: the language
    {"eina3", "\U0001F3F7\uFE0F"}, // label: a level set for the group
    {"eina4", "\U0001F9D2"},       // child: a new pupil
    {"eina5", "\u270F\uFE0F"},     // pencil: edit a pupil
    {"eina6", "\U0001F5D1\uFE0F"}, // wastebasket: delete pupils
    {"eina7", "\U0001F4D6"},       // open book: the history
    {"eina8", "\U0001F5A8\uFE0F"}, // printer: the list
    {"eina9", "\U0001F4CA"},       // bar chart: the class overview
    {"eina10", "\U0001F4DD"},      // memo: the worksheets
    {"sortida", "\U0001F6AA"},     // door: leave the program
};

// The square sizes, in device pixels, each picture is stored at. 160 is the font's own bitmap
// size (136 pixels of emoji inside the square), so nothing above it would be sharper.
inline constexpr int kMides[] = {32, 48, 64, 96, 160};
// Sizes up to this one are stored uncompressed: they are what a screen at normal resolution
// draws at start-up, and copying them costs nothing.
inline constexpr int kMidaSenseComprimir = 64;

// The emoji's height as a share of its square: the font's pictures are a little wider than their
// pixel size, and this keeps them inside.
inline constexpr double kProporcio = 0.85;

} // namespace TaulaEmoji
