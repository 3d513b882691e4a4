#include "Shots.h"

#include "windows/AuswertungU.h"
#include "windows/DekEinheitenU.h"
#include "windows/EinheitenU.h"
#include "windows/KombinationenU.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace quarvel::screens {

namespace {

template <typename W> W* Open(Shots& shots, W* window, int SelectionState::*level, int value) {
    shots.Rng.Seed(static_cast<std::uint64_t>(value) * 31 + 5);
    SelectionState selection = shots.Selection;
    selection.*level = value;
    window->Begin(selection);
    window->show();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    return window;
}

void Type(ExerciseWindow* w, int line, const QString& text) {
    auto* field = w->findChild<QLineEdit*>(QStringLiteral("edt%1").arg(line));
    field->setFocus();
    QCoreApplication::processEvents();
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// The answer with its comma one place to the right: ten times too large.
QString CommaShifted(QString answer) {
    const qsizetype comma = answer.indexOf(u',');
    if (comma < 0) return answer + u'0';
    answer.remove(comma, 1);
    if (comma + 1 < answer.size()) answer.insert(comma + 1, u',');
    while (answer.size() > 1 && answer.startsWith(u'0') && answer[1] != u',')
        answer.remove(0, 1);
    return answer;
}

} // namespace

void ShotsDrill(Shots& shots) {
    struct Training {
        int SelectionState::*Level;
        int Value;
        const char* Name;
    };
    TfrmEinheiten* einheiten = shots.Wins.Einheiten;
    for (const Training& t :
         {Training{&SelectionState::LevelLaenge, 3, "einheiten-laenge-3"},
          Training{&SelectionState::LevelMasse, 6, "einheiten-masse-6"},
          Training{&SelectionState::LevelMasse, 2, "einheiten-masse-2"},
          Training{&SelectionState::LevelFlaeche, 5, "einheiten-flaeche-5"},
          Training{&SelectionState::LevelKubik, 4, "einheiten-kubik-4"},
          Training{&SelectionState::LevelLiter, 5, "einheiten-liter-5"},
          Training{&SelectionState::LevelGemischt, 2, "einheiten-gemischt-2"}}) {
        Open(shots, einheiten, t.Level, t.Value);
        shots.Save(einheiten, QString::fromLatin1(t.Name));
        einheiten->menSchliessenClick();
    }

    // Mid-drill: right, wrong then right, wrong twice, one waiting, one open.
    shots.Selection.TimeDisplay = true;
    auto* w = Open(shots, einheiten, &SelectionState::LevelLaenge, 2);
    const auto answer = [&](int line) {
        return QString::fromStdString(w->Session().MeasureSheet()[line].AnswerText.str());
    };
    Type(w, 1, answer(1));
    Type(w, 2, QStringLiteral("1"));
    Type(w, 2, answer(2));
    Type(w, 3, QStringLiteral("1"));
    Type(w, 3, QStringLiteral("2"));
    Type(w, 4, QStringLiteral("1"));
    w->Timer1Timer();
    shots.Save(w, QStringLiteral("einheiten-mitten-im-durchgang"));
    // "Weiter" with line 5 empty: the information box, at the window's scale.
    QTimer::singleShot(0, [&shots] {
        QWidget* box = QApplication::activeModalWidget();
        shots.Save(box, QStringLiteral("meldung"));
        box->close();
    });
    w->findChild<QPushButton*>(QStringLiteral("btnWeiter"))->click();
    w->menSchliessenClick();
    shots.Selection.TimeDisplay = false;

    TfrmDekEinheiten* dek = shots.Wins.DekEinheiten;
    for (const Training& t : {Training{&SelectionState::LevelDekNum, 4, "dekadisch-deknum-4"},
                              Training{&SelectionState::LevelDekDek, 5, "dekadisch-dekdek-5"},
                              Training{&SelectionState::LevelDezNum, 5, "dekadisch-deznum-5"},
                              Training{&SelectionState::LevelDezDez, 5, "dekadisch-dezdez-5"}}) {
        Open(shots, dek, t.Level, t.Value);
        shots.Save(dek, QString::fromLatin1(t.Name));
        dek->menSchliessenClick();
    }

    TfrmKombinationen* kombi = shots.Wins.Kombinationen;
    Open(shots, kombi, &SelectionState::LevelAlle, 4);
    shots.Save(kombi, QStringLiteral("kombinationen-alle-4"));
    kombi->menSchliessenClick();
}

// "Fehler üben": a hint after a comma shifted by one place, the evaluation
// offering the round for the two tasks answered wrong twice, and the round's
// sheet with their twins.
void ShotsPractice(Shots& shots) {
    shots.Selection.MaxPasses = 1;
    TfrmEinheiten* einheiten = shots.Wins.Einheiten;
    auto* w = Open(shots, einheiten, &SelectionState::LevelLaenge, 5);
    const auto answer = [&](int line) {
        return QString::fromStdString(w->Session().MeasureSheet()[line].AnswerText.str());
    };
    const auto wrong = [&](int line) {
        return answer(line) == QStringLiteral("7") ? QStringLiteral("8") : QStringLiteral("7");
    };
    Type(w, 1, answer(1));
    Type(w, 2, CommaShifted(answer(2)));
    if (!w->Session().Hint(2)) std::fprintf(stderr, "screens: no hint on line 2\n");
    shots.Save(w, QStringLiteral("fehler-ueben-tipp"));
    Type(w, 2, wrong(2));
    Type(w, 3, answer(3));
    Type(w, 4, wrong(4));
    Type(w, 4, wrong(4));
    Type(w, 5, answer(5));

    TfrmAuswertung* dialog = shots.Wins.Auswertung;
    dialog->SetStepInterval(0);
    QTimer::singleShot(0, [&shots, dialog] {
        if (!QTest::qWaitFor([dialog] { return dialog->btnFehler()->Shown(); }))
            std::fprintf(stderr, "screens: no \"Fehler üben\" offered\n");
        shots.Save(dialog, QStringLiteral("fehler-ueben-auswertung"));
        dialog->btnFehler()->click();
    });
    w->findChild<QPushButton*>(QStringLiteral("btnAuswertung"))->click();
    shots.Save(w, QStringLiteral("fehler-ueben-runde"));
    w->menSchliessenClick();
    shots.Selection.MaxPasses = SelectionState().MaxPasses;
}

} // namespace quarvel::screens
