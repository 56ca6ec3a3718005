// The HTML view: a GBK page file is shown as its text, a missing file as an empty page, and the
// page's context menu never opens.
#include "app/ui/html_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "analysis/report_pages.h"
#include "text/gbk.h"

using langyue::HtmlView;

class HtmlViewTest : public QObject {
    Q_OBJECT

private slots:
    void opens_gbk_pages_and_missing_ones_empty() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString page = folder.filePath(QStringLiteral("temp.html"));
        langyue::write_gbk_file(page.toStdString(),
                                langyue::gbk("<html><body><p>朗月照人</p></body></html>"));
        HtmlView view;
        view.open_page(page);
        QVERIFY(view.page_source().contains(QStringLiteral("朗月照人")));
        QVERIFY(view.toPlainText().contains(QStringLiteral("朗月照人")));

        view.open_page(folder.filePath(QStringLiteral("missing.html")));
        QCOMPARE(view.page_source(), QString());
        QVERIFY(view.toPlainText().trimmed().isEmpty());
    }

    void context_menu_is_refused() {
        HtmlView view;
        QTextBrowser plain;  // the toolkit's own view opens its menu: the check can see one
        QVERIFY(right_click_opens_a_menu(plain));
        QVERIFY(!right_click_opens_a_menu(view));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }

private:
    // Right-clicks the view's page. A menu that opened would run its own loop; the timer
    // closes it and notes that it came.
    static bool right_click_opens_a_menu(QTextBrowser& view) {
        view.setHtml(QStringLiteral("<p>页面</p>"));
        view.show();
        if (!QTest::qWaitForWindowExposed(&view)) return false;
        bool menu_opened = false;
        QTimer::singleShot(0, &view, [&menu_opened] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menu_opened = true;
                popup->close();
            }
        });
        const QPoint inside(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, inside,
                                view.viewport()->mapToGlobal(inside));
        QCoreApplication::sendEvent(view.viewport(), &click);
        QCoreApplication::processEvents();
        view.hide();
        return menu_opened;
    }
};

QTEST_MAIN(HtmlViewTest)
#include "html_view_test.moc"
