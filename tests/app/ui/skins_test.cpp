// Skins: the list and its order, the cycling of 更换皮肤, the reach of a skin over every
// window, and that every look is readable.
#include <QLabel>
#include <QSet>
#include <QtTest>

#include "app/ui/skins.h"

namespace langyue {

class SkinsTest : public QObject {
    Q_OBJECT

private slots:
    void listHas79EntriesOf77Looks() {
        const std::vector<SkinLook>& list = skin_list();
        QCOMPARE(int(list.size()), kSkinCount);
        QCOMPARE(list[56 - 1], list[51 - 1]);
        QCOMPARE(list[67 - 1], list[8 - 1]);
        QSet<QString> sheets;
        QSet<QString> names;
        for (int entry = 1; entry <= kSkinCount; ++entry) {
            if (entry == 56 || entry == 67) continue;
            const SkinLook& look = list[entry - 1];
            QVERIFY2(look.window.isValid() && look.text.isValid() && look.base.isValid() &&
                         look.button.isValid() && look.accent.isValid(),
                     qPrintable(look.name));
            sheets.insert(skin_style_sheet(look));
            names.insert(look.resource_name());
        }
        QCOMPARE(sheets.size(), 77);
        QCOMPARE(names.size(), 77);
        QVERIFY(!skin_style_sheet(list[0]).contains('{' + QStringLiteral("accent")));
    }

    void everyLookIsReadable() {
        const QColor paper(0xFF, 0xFF, 0xFF);
        const QColor ink(0x1A, 0x1A, 0x1A);
        QVERIFY(contrast_ratio(ink, paper) >= 4.5);
        QCOMPARE(contrast_ratio(Qt::black, Qt::white), 21.0);
        int dark = 0;
        for (const SkinLook& look : skin_list()) {
            const struct {
                const char* what;
                QColor foreground, background;
            } pairs[] = {{"text on window", look.text, look.window},
                         {"text on base", look.text, look.base},
                         {"text on button", look.text, look.button},
                         {"accent text on accent", look.accent_text(), look.accent},
                         {"bar text on bar", look.bar_text(), look.bar()}};
            for (const auto& pair : pairs) {
                const double ratio = contrast_ratio(pair.foreground, pair.background);
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 is %3")
                                                      .arg(look.name, pair.what)
                                                      .arg(ratio)));
            }
            if (look.window.lightnessF() < 0.5) {
                ++dark;
                QVERIFY2(!look.accent_bar, qPrintable(look.name));  // bright bars only on light looks
            }
        }
        // Light looks and dark looks both.
        QVERIFY(dark >= 15);
        QVERIFY(dark <= kSkinCount - 15);
    }

    void startSkinThenStepsFromOneToSeventyNine() {
        QLabel open_before(QStringLiteral("朗月"));
        open_before.show();
        apply_start_skin();
        QCOMPARE(current_skin(), kStartSkin);
        QCOMPARE(next_skin_number(), 1);
        QCOMPARE(qApp->styleSheet(), skin_style_sheet(skin_list()[kStartSkin - 1]));
        QCOMPARE(open_before.palette().color(QPalette::Window),
                 skin_list()[kStartSkin - 1].window);

        QString sheet_of[kSkinCount + 1];
        for (int press = 1; press <= kSkinCount; ++press) {
            next_skin();
            QCOMPARE(current_skin(), press);
            sheet_of[press] = qApp->styleSheet();
            QCOMPARE(sheet_of[press], skin_style_sheet(skin_list()[press - 1]));
            if (press == 1) {
                QCOMPARE(open_before.palette().color(QPalette::Window), skin_list()[0].window);
                QLabel opened_later(QStringLiteral("新"));
                QCOMPARE(opened_later.palette().color(QPalette::Window), skin_list()[0].window);
                QCOMPARE(opened_later.palette().color(QPalette::WindowText), skin_list()[0].text);
            }
        }
        QCOMPARE(sheet_of[56], sheet_of[51]);
        QCOMPARE(sheet_of[67], sheet_of[8]);
        QVERIFY(sheet_of[50] != sheet_of[51]);
        QVERIFY(sheet_of[1] != sheet_of[kStartSkin + 1]);

        const QPalette palette_before = qApp->palette();
        for (int press = 80; press <= 83; ++press) {
            next_skin();
            QCOMPARE(next_skin_number(), press + 1);
            QCOMPARE(current_skin(), kSkinCount);
            QCOMPARE(qApp->styleSheet(), sheet_of[kSkinCount]);
            QCOMPARE(qApp->palette(), palette_before);
        }

        // A new start begins at the start skin again.
        apply_start_skin();
        QCOMPARE(current_skin(), kStartSkin);
        QCOMPARE(next_skin_number(), 1);
    }

    void numbersOutsideTheListChangeNothing() {
        apply_skin(3);
        for (const int entry : {0, -1, 80}) {
            apply_skin(entry);
            QCOMPARE(current_skin(), 3);
        }
    }
};

}  // namespace langyue

QTEST_MAIN(langyue::SkinsTest)
#include "skins_test.moc"
