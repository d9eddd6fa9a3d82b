#pragma once
// A pixel's colour that prints by name in a failed assertion ("red (255, 0, 0)"
// rather than 4294901760).
#include <QColor>
#include <ostream>

struct Colour {
    QRgb rgb = 0;
    Colour() = default;
    Colour(QRgb c) : rgb(c | 0xff000000u) {}   // NOLINT: converts as a QRgb does
    friend bool operator==(const Colour& a, const Colour& b) { return a.rgb == b.rgb; }
    friend bool operator!=(const Colour& a, const Colour& b) { return a.rgb != b.rgb; }
};

inline void PrintTo(const Colour& c, std::ostream* os)
{
    const int r = qRed(c.rgb), g = qGreen(c.rgb), b = qBlue(c.rgb);
    struct Named {
        int r, g, b;
        const char* name;
    };
    static const Named names[] = {{255, 255, 255, "white"}, {0, 0, 0, "black"},      {255, 0, 0, "red"},
                                  {128, 128, 128, "grey"},  {0, 0, 255, "blue"},     {0, 128, 0, "green"},
                                  {255, 255, 0, "yellow"},  {169, 150, 109, "panel"}};
    for (const Named& n : names)
        if (n.r == r && n.g == g && n.b == b)
            *os << n.name << " ";
    *os << "(" << r << ", " << g << ", " << b << ")";
}
