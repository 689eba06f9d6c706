// The floor of the start-up benchmark: a bare Qt widget window of the start
// screen's size, centred as it is, that ends the program on the first key.
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

namespace {

class FenetreNue : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { QCoreApplication::exit(0); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FenetreNue fenetre;
    fenetre.setFixedSize(504, 371);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        fenetre.move(ecran->availableGeometry().center() - fenetre.rect().center());
    fenetre.show();
    return app.exec();
}
