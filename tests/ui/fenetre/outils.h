#pragma once
// Helpers shared by the window tests.
#include "FrmSat.h"
#include "PictureBox.h"
#include "SimulationState.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace orbeline::test {

/// A window (the start screen, the main window) shown offscreen and active.
template <class W> std::unique_ptr<W> ouverte()
{
    auto w = std::make_unique<W>();
    w->show();
    QApplication::setActiveWindow(w.get());
    return w;
}

/// A main window as the start screen would open it; launched once if asked.
inline std::unique_ptr<FrmSat> fenetre(bool lancee = false)
{
    auto w = ouverte<FrmSat>();
    if (lancee) w->commande(Commande::Lancer)->click();
    return w;
}

/// The control a person reads as `nom`: its caption ("&" aside) or its accessible name; null for none.
template <class C = QWidget> C* vu(const FrmSat& w, std::string_view nom)
{
    const QString n = QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())).remove('&');
    for (C* c : w.client()->findChildren<C*>())
        if (c->accessibleName() == n || c->property("text").toString().remove('&') == n) return c;
    return nullptr;
}

/// The texts of Qt's that no translator of the program translated (tests/ui/main.cpp).
QStringList& textesNonTraduits();

/// A menu entry's file written to this path, as its dialog would (false on failure, shown in a box).
inline bool enregistre(FrmSat& w, Action a, const QString& chemin)
{
    const Sortie s = choisit(w.principale(), w, a);
    return s.fichier && w.ecrit(s, chemin);
}

/// Sets the default locale for the duration of a test.
struct LocaleTemporaire {
    QLocale avant;
    explicit LocaleTemporaire(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleTemporaire() { QLocale::setDefault(avant); }
};

} // namespace orbeline::test
