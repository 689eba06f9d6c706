#pragma once
// Helpers shared by the window tests.
#include "FrmSat.h"
#include "PictureBox.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QLocale>

#include <memory>

namespace orbeline::test {

/// A main window as the start screen would open it, shown offscreen.
inline std::unique_ptr<FrmSat> fenetre()
{
    auto w = std::make_unique<FrmSat>();
    w->show();
    return w;
}

/// What a picture area shows, at its own pixel ratio.
inline QImage image(PictureBox* p) { return p->grab().toImage(); }

/// True when every pixel of the image inside the border is the background colour.
inline bool vierge(PictureBox* p)
{
    const QImage img = image(p);
    const QColor fond = p->palette().color(QPalette::Light);
    const int bord = static_cast<int>(3 * img.devicePixelRatio());
    for (int y = bord; y < img.height() - bord; ++y)
        for (int x = bord; x < img.width() - bord; ++x)
            if (img.pixelColor(x, y) != fond) return false;
    return true;
}

/// Sets the default locale for the duration of a test.
struct LocaleTemporaire {
    QLocale avant;
    explicit LocaleTemporaire(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleTemporaire() { QLocale::setDefault(avant); }
};

} // namespace orbeline::test
