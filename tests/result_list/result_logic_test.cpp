// The parts of the result list that need no window: the store with its batched
// announcements, the sort order of texts, and incremental search.

#include "results/result_filter_proxy.h"
#include "results/result_inc_search.h"
#include "results/result_model.h"

#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

using fif::TResultFilterProxy;
using fif::TResultIncSearch;
using fif::TResultModel;

namespace {

void Append(TResultModel& store, const std::string& name, const std::string& folder) {
    store.AppendRecord();
    const int record = store.RecordCount() - 1;
    store.SetValue(record, 0, name);
    store.SetValue(record, 1, folder);
}

}  // namespace

class ResultLogicTest : public QObject {
    Q_OBJECT

private slots:
    void storeKeepsTheBytesThatWereSet_data();
    void storeKeepsTheBytesThatWereSet();
    void storeIgnoresIndexesOutOfRange();
    void viewsLearnOfFilledRecordsInOneBatch();
    void largeBacklogIsAnnouncedOverSeveralTurns();
    void clearDropsRecordsStillWaiting();

    void textsSortByFoldedBytes_data();
    void textsSortByFoldedBytes();
    void distinctValuesAreSortedAndUnique();

    void incrementalSearch_data();
    void incrementalSearch();
    void pauseStartsANewPrefix();
};

void ResultLogicTest::storeKeepsTheBytesThatWereSet_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("a.pas") << QStringLiteral("a.pas");
    QTest::newRow("korean") << QByteArray("한글.pas") << QStringLiteral("한글.pas");
    // A name that is not valid UTF-8 keeps its bytes; the raw bytes show as escapes.
    QTest::newRow("not utf-8") << QByteArray("\xff\xfe.pas") << (QString(QChar(0xDCFF)) + QChar(0xDCFE) + ".pas");
    QTest::newRow("empty") << QByteArray() << QString();
}

void ResultLogicTest::storeKeepsTheBytesThatWereSet() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    TResultModel store;
    Append(store, bytes.toStdString(), "/src/");
    store.AnnounceAppended();
    QCOMPARE(store.Value(0, 0), bytes.toStdString());
    QCOMPARE(store.Value(0, 1), std::string("/src/"));
    QCOMPARE(store.data(store.index(0, 0)).toString(), shown);
    QVERIFY(!(store.flags(store.index(0, 0)) & Qt::ItemIsEditable));
}

void ResultLogicTest::storeIgnoresIndexesOutOfRange() {
    TResultModel store;
    store.SetValue(0, 0, "lost");  // no record yet
    Append(store, "a.pas", "/src/");
    store.SetValue(0, 2, "no such item");
    store.SetValue(-1, 0, "no such record");
    QCOMPARE(store.RecordCount(), 1);
    QCOMPARE(store.Value(0, 0), std::string("a.pas"));
    QCOMPARE(store.Value(1, 0), std::string());
    QCOMPARE(store.Value(0, -1), std::string());
}

void ResultLogicTest::viewsLearnOfFilledRecordsInOneBatch() {
    TResultModel store;
    QSignalSpy inserted(&store, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&store, &QAbstractItemModel::dataChanged);
    for (int i = 0; i < 5; ++i) Append(store, "f" + std::to_string(i) + ".pas", "/src/");

    // The records are in the store at once, the views hear of them on a later turn.
    QCOMPARE(store.RecordCount(), 5);
    QCOMPARE(store.Value(4, 0), std::string("f4.pas"));
    QCOMPARE(store.rowCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(store.rowCount(), 5, 10000);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), 4);
    QCOMPARE(changed.count(), 0);  // filled before the views saw them

    store.SetValue(2, 0, "renamed.pas");  // a record the views know of
    QCOMPARE(changed.count(), 1);
    QCOMPARE(store.data(store.index(2, 0)).toString(), QStringLiteral("renamed.pas"));
}

void ResultLogicTest::largeBacklogIsAnnouncedOverSeveralTurns() {
    TResultModel store;
    const int records = 3 * TResultModel::kAnnounceBatchLimit + 1;
    for (int i = 0; i < records; ++i) Append(store, "f.pas", "/src/");
    QSignalSpy inserted(&store, &QAbstractItemModel::rowsInserted);
    store.AnnounceSome(TResultModel::kAnnounceBatchLimit);
    QCOMPARE(store.rowCount(), TResultModel::kAnnounceBatchLimit);
    QTRY_COMPARE_WITH_TIMEOUT(store.rowCount(), records, 10000);
    QCOMPARE(inserted.count(), 4);
    // Every row was told exactly once, in order.
    int next = 0;
    for (const QList<QVariant>& batch : inserted) {
        QCOMPARE(batch.at(1).toInt(), next);
        next = batch.at(2).toInt() + 1;
    }
    QCOMPARE(next, records);
}

void ResultLogicTest::clearDropsRecordsStillWaiting() {
    TResultModel store;
    Append(store, "a.pas", "/src/");
    store.AnnounceAppended();
    Append(store, "b.pas", "/src/");
    store.Clear();
    QCOMPARE(store.RecordCount(), 0);
    QCOMPARE(store.rowCount(), 0);
    QSignalSpy inserted(&store, &QAbstractItemModel::rowsInserted);
    QTest::qWait(3 * TResultModel::kAnnounceDelayMs);  // a stale announcement would come now
    QCOMPARE(inserted.count(), 0);
    Append(store, "c.pas", "/src/");
    store.AnnounceAppended();
    QCOMPARE(store.rowCount(), 1);
    QCOMPARE(store.Value(0, 0), std::string("c.pas"));
}

void ResultLogicTest::textsSortByFoldedBytes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("letters") << QByteArray("a.pas") << QByteArray("b.pas");
    QTest::newRow("case ignored") << QByteArray("a.pas") << QByteArray("B.pas");
    QTest::newRow("prefix first") << QByteArray("unit") << QByteArray("UNIT1");
    QTest::newRow("letters fold to lower case, after the underscore") << QByteArray("_") << QByteArray("Z");
    QTest::newRow("hangul in dictionary order") << QByteArray("가.pas") << QByteArray("나.pas");
    QTest::newRow("ascii before hangul") << QByteArray("z.pas") << QByteArray("가.pas");
    QTest::newRow("raw high bytes after ascii") << QByteArray("a") << QByteArray("\xff");
}

void ResultLogicTest::textsSortByFoldedBytes() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(TResultFilterProxy::CompareTexts(before.toStdString(), after.toStdString()) < 0);
    QVERIFY(TResultFilterProxy::CompareTexts(after.toStdString(), before.toStdString()) > 0);
    QCOMPARE(TResultFilterProxy::CompareTexts(before.toStdString(), before.toLower().toStdString()), 0);
}

void ResultLogicTest::distinctValuesAreSortedAndUnique() {
    TResultModel store;
    TResultFilterProxy proxy(store);
    for (const char* name : {"b.pas", "a.pas", "B.pas", "b.pas", "c.pas", "a.pas"}) Append(store, name, "/src/");
    QCOMPARE(proxy.DistinctValues(0), QStringList({"a.pas", "B.pas", "b.pas", "c.pas"}));
    QCOMPARE(proxy.DistinctValues(1), QStringList({"/src/"}));
    QCOMPARE(proxy.DistinctValues(2), QStringList());
}

void ResultLogicTest::incrementalSearch_data() {
    QTest::addColumn<QStringList>("typed");  // one key each
    QTest::addColumn<int>("expectedRow");
    QTest::addColumn<QString>("expectedPrefix");
    // Rows: "Main.pas", "makefile", "my unit.pas", "zeta.pas", "Ärger.pas"
    QTest::newRow("first row that starts with it") << QStringList{"m"} << 0 << "m";
    QTest::newRow("ascii case ignored") << QStringList{"M", "A", "K"} << 1 << "MAK";
    QTest::newRow("space is a character") << QStringList{"m", "y", " ", "u"} << 2 << "my u";
    QTest::newRow("character matching nothing is dropped") << QStringList{"z", "q"} << -1 << "z";
    QTest::newRow("only ascii letters fold") << QStringList{"ä"} << -1 << "";
    QTest::newRow("same non-ascii letter matches") << QStringList{"Ä"} << 4 << "Ä";
}

void ResultLogicTest::incrementalSearch() {
    QFETCH(QStringList, typed);
    QFETCH(int, expectedRow);
    QFETCH(QString, expectedPrefix);
    const QStringList rows{"Main.pas", "makefile", "my unit.pas", "zeta.pas", "Ärger.pas"};
    auto textOfRow = [&rows](int row) { return QStringView(rows.at(row)); };
    TResultIncSearch search(400);
    int row = -1;
    qint64 now = 1000;
    for (const QString& key : typed) row = search.Type(key, now += 10, static_cast<int>(rows.size()), textOfRow);
    QCOMPARE(row, expectedRow);
    QCOMPARE(search.Prefix(), expectedPrefix);
}

void ResultLogicTest::pauseStartsANewPrefix() {
    const QStringList rows{"alpha", "beta", "bat"};
    auto textOfRow = [&rows](int row) { return QStringView(rows.at(row)); };
    TResultIncSearch search(400);
    QCOMPARE(search.Type("b", 1000, 3, textOfRow), 1);
    QCOMPARE(search.Type("a", 1400, 3, textOfRow), 2);  // "ba", within the interval
    QCOMPARE(search.Type("a", 1801, 3, textOfRow), 0);  // after a pause: "a" alone
    QCOMPARE(search.Prefix(), QStringLiteral("a"));
    search.Reset();
    QCOMPARE(search.Type("b", 1810, 3, textOfRow), 1);
    QCOMPARE(search.Prefix(), QStringLiteral("b"));
    QCOMPARE(search.Type("x", 1820, 0, textOfRow), -1);  // no rows
}

QTEST_GUILESS_MAIN(ResultLogicTest)
#include "result_logic_test.moc"
