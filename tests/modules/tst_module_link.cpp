// The window modules' link: a module's entry points reach their typed
// members, and a module that cannot be had is looked for once and said so
// in a box at every attempt.
#include "modules/module_link.h"
#include "support/modal_answerer.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using orvane::ModuleSymbol;
using orvane::test::ModalAnswerer;

namespace {

// Listed in another order than the members, and of one type, so that an
// entry point in the wrong member shows as a wrong answer.
struct SampleApi {
    int (*plusOne)(int);
    int (*twice)(int);
    static constexpr std::tuple symbols{ModuleSymbol{"orvane_sample_twice", &SampleApi::twice},
                                        ModuleSymbol{"orvane_sample_plus_one", &SampleApi::plusOne}};
};

struct MissingEntryApi {
    int (*twice)(int);
    int (*absent)();
    static constexpr std::tuple symbols{ModuleSymbol{"orvane_sample_twice", &MissingEntryApi::twice},
                                        ModuleSymbol{"orvane_sample_absent", &MissingEntryApi::absent}};
};

const orvane::ModulePlaces kNowhere{QStringLiteral("liborvane_nowhere.so"),
                                    QStringLiteral("/nonexistent/liborvane_nowhere.so"), QStringLiteral("/nonexistent"),
                                    QStringLiteral("lib/nonexistent")};

} // namespace

class TestModuleLink : public QObject {
    Q_OBJECT
private slots:
    void entryPointsReachTheirMembers()
    {
        ModalAnswerer boxes(QMessageBox::Ok);
        orvane::ModuleLink<SampleApi> link(ORVANE_MODULE_PLACES(SAMPLE), QStringLiteral("sample window"));
        QVERIFY(!link.loaded());
        const SampleApi *api = link.open();
        QVERIFY(api);
        QCOMPARE(api->twice(21), 42);
        QCOMPARE(api->plusOne(21), 22);
        QCOMPARE(link.loaded(), api);
        QVERIFY(boxes.seen.empty());
    }

    void missingModuleIsSaid_data()
    {
        QTest::addColumn<bool>("entryMissing");
        QTest::newRow("no module file") << false;
        QTest::newRow("an entry point missing") << true;
    }
    void missingModuleIsSaid()
    {
        QFETCH(bool, entryMissing);
        ModalAnswerer boxes(QMessageBox::Ok);
        orvane::ModuleLink<MissingEntryApi> link(entryMissing ? ORVANE_MODULE_PLACES(SAMPLE) : kNowhere,
                                                 QStringLiteral("sample window"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot load the sample window module"));
        QVERIFY(!link.open());
        // The second attempt looks for the module no more, but tells again.
        QTest::failOnWarning(QRegularExpression("cannot load"));
        QVERIFY(!link.open());
        QVERIFY(!link.loaded());
        QCOMPARE(boxes.seen.size(), std::size_t(2));
        for (const auto &box : boxes.seen)
            QCOMPARE(box.text, QStringLiteral("The sample window cannot be opened: its module is missing or damaged."));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestModuleLink test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_module_link.moc"
