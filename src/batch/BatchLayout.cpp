#include "BatchLayout.h"

#include <algorithm>
#include <cmath>

namespace trelimor {

namespace {

// The right-hand column of buttons, from the one just above "&Zamknij" upwards.
const QStringList kRightColumn{QStringLiteral("ComDrukuj"),     QStringLiteral("ComSzukaj"),
                               QStringLiteral("ComWczytWynik"), QStringLiteral("ComMail"),
                               QStringLiteral("ComPlik"),       QStringLiteral("ComRejestr"),
                               QStringLiteral("ComEdytuj")};
// The sample command row, from the right-most one leftwards.
const QStringList kSampleRow{QStringLiteral("ComDodajG"), QStringLiteral("ComPoprawG"),
                             QStringLiteral("ComUsunG"), QStringLiteral("ComWczytaj")};
// The frames that open over the middle of the window.
const QStringList kCentredFrames{QStringLiteral("FramePartia"), QStringLiteral("FramePartiaG"),
                                 QStringLiteral("FrameSzukaj"), QStringLiteral("FrameCzekaj")};

void centre(ControlPlace& m, double szerokosc, double wysokosc)
{
    m.left = szerokosc / 2 - m.width / 2;
    m.top = wysokosc / 2 - m.height / 2;
}

} // namespace

const QStringList& batchLayoutControls()
{
    static const QStringList names = [] {
        QStringList list{QStringLiteral("ComZamk"),      QStringLiteral("ComDodajPr"),
                         QStringLiteral("ComPopraw"),    QStringLiteral("ComUsun"),
                         QStringLiteral("ComWczytPart"), QStringLiteral("ComWczytKolektor"),
                         QStringLiteral("Line1"),        QStringLiteral("Line2"),
                         QStringLiteral("DBGridPartia"), QStringLiteral("DBGridPartiaG"),
                         QStringLiteral("FrameWynik"),   QStringLiteral("LabData"),
                         QStringLiteral("LabDataDTP"),   QStringLiteral("LabiNFO")};
        return list + kRightColumn + kSampleRow + kCentredFrames;
    }();
    return names;
}

WindowLayout layOutBatchWindow(double W, double H, WindowLayout u)
{
    ControlPlace& zamk = u[QStringLiteral("ComZamk")];
    const double w = zamk.width;
    const double b = zamk.height;
    // The gap is a byte: a close button wider than 3825 twips keeps the widest gap.
    const double g = std::clamp(std::nearbyint(w / 15), 0.0, 255.0);

    ControlPlace& dodaj = u[QStringLiteral("ComDodajPr")];
    ControlPlace& popraw = u[QStringLiteral("ComPopraw")];
    ControlPlace& usun = u[QStringLiteral("ComUsun")];
    dodaj.left = W - w - 650;
    dodaj.top = H / 2 - 2.6 * b;
    popraw.left = dodaj.left - popraw.width - g;
    usun.left = popraw.left - usun.width - g;
    popraw.top = usun.top = dodaj.top;

    ControlPlace& wczytPart = u[QStringLiteral("ComWczytPart")];
    wczytPart.top = dodaj.bottom() + g;
    wczytPart.left = usun.left;
    u[QStringLiteral("ComWczytKolektor")].left = wczytPart.left;

    const double podRzedemPartii = dodaj.bottom() + b / 2;
    u[QStringLiteral("Line1")] = {0, podRzedemPartii, W, 0};

    ControlPlace& siatka = u[QStringLiteral("DBGridPartia")];
    siatka.width = W - 600;
    siatka.height = dodaj.top - 2.4 * b;

    centre(u[QStringLiteral("FramePartia")], W, H);

    ControlPlace& siatkaG = u[QStringLiteral("DBGridPartiaG")];
    siatkaG.left = siatka.left;
    siatkaG.top = dodaj.top;
    siatkaG.width = wczytPart.left - dodaj.width;

    zamk.top = H - 3 * b;
    zamk.left = popraw.left;

    const ControlPlace* ponizej = &zamk;
    for (const QString& name : kRightColumn) {
        ControlPlace& m = u[name];
        m.left = zamk.left;
        m.top = ponizej->top - g - b;
        ponizej = &m;
    }

    const ControlPlace* poPrawej = nullptr;
    for (const QString& name : kSampleRow) {
        ControlPlace& m = u[name];
        m.left = poPrawej ? poPrawej->left - m.width - g : siatkaG.right() - m.width;
        m.top = zamk.top;
        poPrawej = &m;
    }

    siatkaG.height = zamk.top - 0.7 * b - siatkaG.top;
    u[QStringLiteral("Line2")] = {W / 1.5, podRzedemPartii, 0, H - podRzedemPartii};

    const ControlPlace& drukuj = u[QStringLiteral("ComDrukuj")];
    ControlPlace& wynik = u[QStringLiteral("FrameWynik")];
    wynik.top = drukuj.bottom() - wynik.height;
    wynik.left = drukuj.left - wynik.width;
    for (const QString& name : kCentredFrames.mid(1))
        centre(u[name], W, H);

    ControlPlace& data = u[QStringLiteral("LabData")];
    ControlPlace& dataOpis = u[QStringLiteral("LabDataDTP")];
    data.left = siatka.right() - data.width;
    dataOpis.left = data.left - dataOpis.width - g;

    ControlPlace& info = u[QStringLiteral("LabiNFO")];
    info.width = siatkaG.width;
    info.left = siatka.left;
    info.top = siatka.bottom();

    for (ControlPlace& m : u) {
        m.width = std::max(0.0, m.width);
        m.height = std::max(0.0, m.height);
    }
    return u;
}

} // namespace trelimor
