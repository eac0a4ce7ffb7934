// Median time of one keystroke into the floor-area field, nested recalculations
// included, and the number of recalculations per keystroke.
#include "app/start.h"
#include "app/steuerelemente.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto f = FensterErzeugen();
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get()))
        return 1;
    QTest::mouseClick(f->Image7, Qt::LeftButton);
    QTest::mouseClick(f->RadioGroup1->Knopf(1), Qt::LeftButton, {}, QPoint(6, 8));
    QTest::keyClicks(f->Edit6, "10");

    const int anzahl = 4000;
    std::vector<double> zeiten;
    zeiten.reserve(anzahl);
    const int laeufeVorher = f->NeuberechnungLaeufe;
    QElapsedTimer uhr;
    for (int i = 0; i < anzahl; ++i) {
        // alternately type a digit and take it back: "10" -> "105" -> "10"
        uhr.start();
        if (i % 2 == 0)
            QTest::keyClick(f->Edit6, Qt::Key_5);
        else
            QTest::keyClick(f->Edit6, Qt::Key_Backspace);
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    const double laeufeJeTaste = double(f->NeuberechnungLaeufe - laeufeVorher) / anzahl;
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Tastenschlag in Edit6: Median %.4f ms, 90%%-Wert %.4f ms über %d Tastenschläge\n",
                zeiten[zeiten.size() / 2], zeiten[zeiten.size() * 9 / 10], anzahl);
    std::printf("Neuberechnung je Tastenschlag: %.2f (Ziel: höchstens 3)\n", laeufeJeTaste);
    // a keystroke that turns a point into a comma nests one more run
    const int vorPunkt = f->NeuberechnungLaeufe;
    QTest::keyClick(f->Edit6, Qt::Key_Period);
    std::printf("Neuberechnung für einen Punkt (wird Komma): %d\n", f->NeuberechnungLaeufe - vorPunkt);
    return 0;
}
