// The Dial Designer on its own: the hour-line table against the textbook
// formulas, the preview following the inputs, refusals shown beside their
// box, and Save as PDF giving the full-size pages.
#include "designer/dial_preview.h"
#include "designer/frm_dial_designer.h"
#include "support/modal_answerer.h"
#include "support/near.h"
#include "support/pdf_text.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace orvane;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

DesignerRequest site(double latitude)
{
    return DesignerRequest{QDate(2027, 6, 21),
                           latitude,
                           -72.855,
                           true,
                           -300,
                           true,
                           QStringLiteral("GMT-5hrs   US Eastern Time, Montreal, New York")};
}

void type(FrmDialDesigner &w, const char *box, const QString &text)
{
    auto *edit = w.findChild<QLineEdit *>(box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestDialDesigner : public QObject {
    Q_OBJECT
private slots:
    // Sun time, hour angle H = 15 deg (h - 12). Horizontal: tan a = sin(phi)
    // tan H from the meridian, + east (afternoon) in either hemisphere.
    // South wall: tan a = cos(phi) tan H from the vertical; seen from in
    // front east is on the right, where the afternoon shadow falls. Table cells carry two decimals: 0.006 deg.
    void hourAngles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("facing");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("want");
        const auto horizontal = [](double phi, double h) {
            return std::atan(std::sin(std::fabs(phi) * kDegree) * std::tan(15 * (h - 12) * kDegree)) / kDegree;
        };
        const auto southWall = [](double phi, double h) {
            return std::atan(std::cos(phi * kDegree) * std::tan(15 * (h - 12) * kDegree)) / kDegree;
        };
        QTest::newRow("horizontal, 40.655 N, 10") << 0 << "180" << 40.655 << 10.0 << horizontal(40.655, 10);
        QTest::newRow("horizontal, 40.655 N, 15") << 0 << "180" << 40.655 << 15.0 << horizontal(40.655, 15);
        QTest::newRow("horizontal, 33.9 S, 16") << 0 << "180" << -33.9 << 16.0 << horizontal(-33.9, 16);
        QTest::newRow("south wall, 40.655 N, 9") << 1 << "180" << 40.655 << 9.0 << southWall(40.655, 9);
        // East wall: parallel lines along the style, which rises northwards
        // (to the right, seen from in front) at the latitude.
        QTest::newRow("east wall, 40.655 N, 9") << 1 << "90" << 40.655 << 9.0 << -(90 - 40.655);
        QTest::newRow("south wall, 40.655 N, 14") << 1 << "180" << 40.655 << 14.0 << southWall(40.655, 14);
    }
    void hourAngles()
    {
        QFETCH(int, type);
        QFETCH(QString, facing);
        QFETCH(double, latitude);
        QFETCH(double, hour);
        QFETCH(double, want);
        FrmDialDesigner w;
        w.setRequest(site(latitude));
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(type);
        w.findChild<QLineEdit *>("txtFacing")->setText(facing);
        auto *table = w.findChild<QTableWidget *>("tblHours");
        const QString label = QString::number(hour);
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 1)->text() == label) {
                CHECK_NEAR(QLocale().toDouble(table->item(r, 2)->text()), want, 0.006);
                return;
            }
        QFAIL("no such hour line");
    }

    void previewFollowsTheInputs()
    {
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        auto *preview = w.findChild<DialPreview *>("dialPreview");
        auto *facing = w.findChild<QLineEdit *>("txtFacing");
        QVERIFY(!facing->isEnabled());
        type(w, "txtWidth", "500");
        CHECK_NEAR(preview->drawing().input.plate.width(), 500.0, 1e-9);
        w.findChild<QComboBox *>("cboType")->setCurrentIndex(1);
        QVERIFY(facing->isEnabled());
        type(w, "txtFacing", "90");
        QCOMPARE(preview->drawing().input.type, dial::DialType::Vertical);
        // An east wall: the style parallel to the face, no root.
        QVERIFY(!preview->drawing().layout.root);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(preview->scale() > 0);
    }

    void refusedBesideTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problemLabel");
        QTest::addColumn<QString>("problem");
        QTest::newRow("plate too narrow") << "txtWidth"
                                          << "40"
                                          << "lblWidthProblem"
                                          << "Type a width from 50 to 5000 mm.";
        QTest::newRow("plate too high") << "txtHeight"
                                        << "6000"
                                        << "lblHeightProblem"
                                        << "Type a height from 50 to 5000 mm.";
        QTest::newRow("nodus above the smaller side") << "txtNodus"
                                                      << "301"
                                                      << "lblNodusProblem"
                                                      << "Type a height from 5 to 300 mm (the plate's smaller side).";
        QTest::newRow("nodus not a number") << "txtNodus"
                                            << "tall"
                                            << "lblNodusProblem"
                                            << "Type a height from 5 to 300 mm (the plate's smaller side).";
    }
    void refusedBesideTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, problemLabel);
        QFETCH(QString, problem);
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        const dial::PlateRect before = w.drawing().input.plate;
        test::ModalAnswerer boxes(QMessageBox::Ok);
        type(w, qPrintable(box), text);
        auto *label = w.findChild<QLabel *>(problemLabel);
        QCOMPARE(label->text(), problem);
        QVERIFY(label->isVisible());
        QVERIFY(boxes.seen.empty());
        QVERIFY(!w.settings());
        QVERIFY(!w.findChild<QPushButton *>("cmdPrintDial")->isEnabled());
        // The last good dial stays in view.
        CHECK_NEAR(w.drawing().input.plate.width(), before.width(), 1e-9);
        type(w, qPrintable(box), "100");
        QVERIFY(!label->isVisible());
        QVERIFY(w.settings());
    }

    void savedAsPdf()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        FrmDialDesigner w;
        w.setRequest(site(40.655));
        w.show();
        test::ModalAnswerer answerer;
        answerer.when<QFileDialog>([&](QFileDialog *d) {
            d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(d)->accept();
        });
        QTest::mouseClick(w.findChild<QPushButton *>("cmdSavePdf"), Qt::LeftButton);
        const int pages = test::pdfPageCount(path);
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        const QString text = test::pdfLines(path).join('\n');
        QVERIFY(text.contains(QStringLiteral("Horizontal dial, 40.655 N 72.855 W")));
        QVERIFY(text.contains(QStringLiteral("Gnomon: row 1, column 1 of 1 x 1")));
        QVERIFY(text.contains(QStringLiteral("Style height 40.66°")));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestDialDesigner test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dial_designer.moc"
