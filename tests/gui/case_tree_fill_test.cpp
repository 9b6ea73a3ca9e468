// Filling the case tree from a store of a few thousand cases: the same
// categories, order and counts as the streamed listing, a fill stopped by its
// progress leaving the tree as it was, and a cut-off data file in the middle
// of a large store passed over by the tree as by the listing.
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "app/library/case_tree.h"
#include "cases/MDataBase.h"
#include "cases/case_listing.h"
#include "cases/store_layout.h"
#include "engine/base/gbk_codec.h"

namespace {

using Summary = std::vector<std::pair<QString, int>>;  // category, cases

const char* const kCategories[] = {"同事", "VIP", "亲戚", "vip", "客户", "临时保存"};

CaseRecord Sample(int n) {
    CaseRecord r{};
    r.deleted = n % 37 == 0 ? 1 : 0;
    gbk::WriteField(r.a.name, "甲" + std::to_string(n));
    // Categories first met in a scrambled order; "VIP" and "vip" are one.
    gbk::WriteField(r.category, kCategories[(n * 7 + n / 100) % 6]);
    r.a.year = static_cast<int16_t>(1950 + n % 50);
    r.a.month = 1 + n % 12;
    r.a.day = 1 + n % 28;
    r.a.male = n % 2;
    return r;
}

std::string Records(int first, int count) {
    std::string bytes;
    for (int n = first; n < first + count; ++n) {
        CaseBytes b = EncodeCase(Sample(n));
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string HeaderFor(int32_t slotCount, int16_t files) {
    HeaderBytes h = EncodeHeader({0, slotCount, 0, 0, files});
    return std::string(reinterpret_cast<const char*>(h.data()), h.size());
}

Summary TreeSummary(const QTreeWidget& tree) {
    Summary s;
    QTreeWidgetItem* root = RootNode(tree);
    for (int i = 0; root && i < root->childCount(); ++i) s.emplace_back(root->child(i)->text(0), root->child(i)->childCount());
    return s;
}

// The live cases as the listing streams them, grouped as the tree groups them.
Summary ListingSummary(const MDataBase& store) {
    Summary s;
    StreamCases(store, ListingScope::Matching, {}, [&](int, const CaseRecord& r) {
        const QString name = QString::fromStdString(gbk::ReadField(r.category));
        auto it = std::find_if(s.begin(), s.end(), [&](const auto& c) { return c.first.toLower() == name.toLower(); });
        if (it == s.end()) s.emplace_back(name, 1);
        else ++it->second;
    });
    return s;
}

std::vector<int> AllNumbers(const MDataBase& store) {
    std::vector<int> numbers(store.CaseCount());
    std::iota(numbers.begin(), numbers.end(), 0);
    return numbers;
}

}  // namespace

class CaseTreeFillTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string folder_;

    std::string DataPath(int k) const { return folder_ + "dat/bazi" + std::to_string(k) + ".dat"; }

private slots:
    void init() {
        folder_ = dir_.path().toStdString() + "/" + QTest::currentTestFunction() + "/";
        std::filesystem::create_directories(folder_ + "dat");
    }

    void AFewThousandCasesAsTheListingGroupsThem() {
        constexpr int kCases = 5000;
        WriteFile(DataPath(0), HeaderFor(kCases, 1) + Records(0, kCases));
        MDataBase store;
        QVERIFY(store.Open(folder_, 0, MDataBase::Access::ReadOnly));
        QTreeWidget tree;
        std::size_t calls = 0;
        QVERIFY(FillCaseTree(tree, store, AllNumbers(store), [&](std::size_t, std::size_t) { return ++calls > 0; }));
        const Summary listed = ListingSummary(store);
        QCOMPARE(listed.size(), std::size_t{5});
        QCOMPARE(TreeSummary(tree), listed);
        QVERIFY(calls > 0);
        // Cases in record order within their category.
        QTreeWidgetItem* first = RootNode(tree)->child(0);
        QVERIFY(CaseNumberOfLabel(first->child(0)->text(0)) < CaseNumberOfLabel(first->child(1)->text(0)));
    }

    void StoppedFillLeavesTheTreeAsItWas() {
        WriteFile(DataPath(0), HeaderFor(9000, 1) + Records(0, 9000));
        MDataBase store;
        QVERIFY(store.Open(folder_, 0, MDataBase::Access::ReadOnly));
        QTreeWidget tree;
        QVERIFY(FillCaseTree(tree, store, {1, 2, 3}));
        const Summary before = TreeSummary(tree);
        QVERIFY(!FillCaseTree(tree, store, AllNumbers(store), [](std::size_t, std::size_t) { return false; }));
        QCOMPARE(TreeSummary(tree), before);
        QCOMPARE(tree.topLevelItemCount(), 1);
    }

    void CutOffFileInTheMiddleIsPassedOverAsByTheListing() {
        // A full first file, a second cut off inside its 301st record, a third of 40 cases.
        WriteFile(DataPath(0), HeaderFor(2 * kRecordsPerFile + 40, 3) + Records(0, kRecordsPerFile));
        WriteFile(DataPath(1), Records(kRecordsPerFile, 300) + std::string(600, '\x01'));
        WriteFile(DataPath(2), Records(2 * kRecordsPerFile, 40));
        MDataBase store;
        QVERIFY(store.Open(folder_, 0, MDataBase::Access::ReadOnly));
        QTreeWidget tree;
        QVERIFY(FillCaseTree(tree, store, AllNumbers(store)));
        QCOMPARE(TreeSummary(tree), ListingSummary(store));
        int shown = 0;
        for (const auto& [name, count] : TreeSummary(tree)) shown += count;
        const int live = StreamCases(store, ListingScope::Matching, {}, [](int, const CaseRecord&) {});
        QCOMPARE(shown, live);
        QVERIFY(FindCaseNode(tree, kRecordsPerFile + 299) || Sample(kRecordsPerFile + 299).deleted);
        QVERIFY(!FindCaseNode(tree, kRecordsPerFile + 300));
        QVERIFY(FindCaseNode(tree, 2 * kRecordsPerFile + 1));
    }
};

QTEST_MAIN(CaseTreeFillTest)
#include "case_tree_fill_test.moc"
