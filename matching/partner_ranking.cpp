#include "matching/partner_ranking.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <thread>
#include <tuple>

#include "cases/MDataBase.h"
#include "cases/case_record.h"
#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/base/file_util.h"
#include "engine/base/gbk_codec.h"
#include "matching/batch_queue.h"
#include "reading/couple/couple_compare.h"

namespace matching {

namespace {

// Persons handed to a thread at a time, and batches waiting per thread.
constexpr std::size_t kBatchPersons = 512;
constexpr std::size_t kQueuedPerThread = 4;
// Results room made at the start, at most.
constexpr int kMaxReserved = 1 << 21;
// Slots read between two progress updates.
constexpr int kProgressStep = 2048;

struct Pending {
    Candidate candidate;
    BirthData birth;
};
using Batch = std::vector<Pending>;

PairFacts FactsOf(const ChartData& a, bool maleA, const ChartData& b, bool maleB) {
    PairFacts f;
    int stems, branches;
    couple::YearPillarRelation(a.yearPillar, b.yearPillar, stems, branches);
    f.yearStems = static_cast<int8_t>(stems);
    f.yearBranches = static_cast<int8_t>(branches);
    couple::YearPillarRelation(a.dayPillar, b.dayPillar, stems, branches);
    f.dayStems = static_cast<int8_t>(stems);
    f.dayBranches = static_cast<int8_t>(branches);
    // 6.25 points for each pair in harmony.
    f.harmonious = static_cast<int8_t>(couple::UsefulGods(a, b, couple::Lines::Skip).points / 6.25f);
    if (maleA != maleB) {
        const ChartData& man = maleA ? a : b;
        const ChartData& woman = maleA ? b : a;
        f.nineStars = couple::NineStarPairing(couple::NineStar(true, man.era, man.yearPillar),
                                              couple::NineStar(false, woman.era, woman.yearPillar));
    }
    return f;
}

Candidate CandidateOf(const CasePerson& p, int32_t number, int side, const char (&category)[15]) {
    Candidate c;
    c.number = number;
    c.side = static_cast<uint8_t>(side);
    std::memcpy(c.name, p.name, sizeof c.name);
    std::memcpy(c.category, category, sizeof c.category);
    c.year = p.year;
    c.month = p.month;
    c.day = p.day;
    c.hour = p.hour;
    c.minute = p.minute;
    c.lunar = p.lunar;
    c.leap = p.leap;
    c.male = p.male != 0;
    c.longitude = p.longitude;
    c.latitude = p.latitude;
    return c;
}

// The person's identity for the duplicate rule: name, birth data and sex.
auto IdentityOf(const Candidate& c) {
    return std::make_tuple(std::string_view(c.name, strnlen(c.name, sizeof c.name)), c.year, c.month, c.day, c.hour,
                           c.minute, c.lunar, c.leap, c.male, c.longitude, c.latitude);
}

// Keeps the first stored copy (lowest case number, 甲命 before 乙命) of every
// person stored more than once; returns how many copies were dropped.
int DropDuplicates(std::vector<Candidate>& list) {
    auto storedOrder = [](const Candidate& a, const Candidate& b) {
        auto ia = IdentityOf(a), ib = IdentityOf(b);
        if (ia != ib) return ia < ib;
        return std::tie(a.number, a.side) < std::tie(b.number, b.side);
    };
    std::sort(list.begin(), list.end(), storedOrder);
    auto end = std::unique(list.begin(), list.end(),
                           [](const Candidate& a, const Candidate& b) { return IdentityOf(a) == IdentityOf(b); });
    int dropped = static_cast<int>(list.end() - end);
    list.erase(end, list.end());
    return dropped;
}

// Whether a stored category (GBK) is one of the wanted ones (GBK); any
// category when none is wanted.
bool InCategories(const char (&category)[15], const std::vector<std::string>& wanted) {
    if (wanted.empty()) return true;
    std::string_view name(category, strnlen(category, sizeof category));
    return std::find(wanted.begin(), wanted.end(), name) != wanted.end();
}

// The chart of the chosen person and every stored one, charted by the
// threads of the pool, each with an engine of its own.
class Ranking {
public:
    Ranking(const RankingRequest& request, RankingControl& control) : request_(request), control_(control) {
        for (const std::string& name : request.categories) categories_.push_back(gbk::FromUtf8(name));
    }

    RankingResult Run();

private:
    void Work();
    bool ReadStore(MDataBase& store, BatchQueue<Batch>& queue);
    void Add(Batch& batch, std::vector<Candidate>& charted, std::vector<Candidate>& failed);

    const RankingRequest& request_;
    RankingControl& control_;
    ChartData chosen_{};
    std::vector<std::string> categories_;  // the wanted categories as GBK
    bool chosenMale_ = false;
    BatchQueue<Batch>* queue_ = nullptr;
    std::mutex resultMutex_;
    RankingResult result_;
};

void Ranking::Work() {
    CBaZiEx engine(request_.programFolder, StandardReadings());
    engine.ReadSettings();
    const bool bonus = engine.IndexBonus();
    std::vector<Candidate> charted, failed;
    Batch batch;
    ChartData chart;
    while (queue_->Pop(batch)) {
        if (control_.cancel) continue;  // drain the queue, so that the reader never waits in vain
        charted.clear();
        failed.clear();
        for (Pending& p : batch) {
            Candidate& c = p.candidate;
            if (!engine.BuildIndexChart(p.birth, chart)) {
                failed.push_back(c);
                continue;
            }
            c.charted = true;
            c.index = couple::MarriageIndex(chosen_, chosenMale_, chart, p.birth.male != 0, bonus);
            c.facts = FactsOf(chosen_, chosenMale_, chart, p.birth.male != 0);
            charted.push_back(c);
        }
        std::lock_guard lock(resultMutex_);
        result_.ranked.insert(result_.ranked.end(), charted.begin(), charted.end());
        result_.unchartable.insert(result_.unchartable.end(), failed.begin(), failed.end());
        result_.compared += static_cast<int>(charted.size());
    }
}

bool Ranking::ReadStore(MDataBase& store, BatchQueue<Batch>& queue) {
    Batch batch;
    int visited = 0;
    auto flush = [&] {
        if (batch.empty()) return;
        queue.Push(std::move(batch));
        batch = Batch{};
        batch.reserve(kBatchPersons);
    };
    batch.reserve(kBatchPersons);
    int slots = store.ScanStore([&](int32_t slot, const unsigned char* bytes) {
        if (++visited % kProgressStep == 0) {
            control_.slotsDone = visited;
            if (control_.cancel) return false;
        }
        const CaseRecord record = DecodeCase(bytes);
        if (record.deleted == 1) {
            ++result_.deleted;
            return true;
        }
        if (record.deleted != 0) {
            ++result_.damaged;
            return true;
        }
        if (!InCategories(record.category, categories_)) return true;
        const CasePerson* persons[2] = {&record.a, &record.b};
        for (int side = 0; side < 2; ++side) {
            const CasePerson& p = *persons[side];
            if ((p.male != 0) == chosenMale_) continue;
            batch.push_back({CandidateOf(p, slot, side, record.category), BirthDataFrom(p, 1)});
            if (batch.size() == kBatchPersons) flush();
        }
        return true;
    });
    flush();
    control_.slotsDone = visited;
    // Slots the header counts that no file holds in full.
    if (!control_.cancel) result_.damaged += std::max(0, slots - visited);
    return !control_.cancel;
}

RankingResult Ranking::Run() {
    const std::string firstFile = fileutil::Join(request_.programFolder, "dat/bazi0.dat");
    std::error_code ec;
    // Opening the store would create a missing one; the ranking never writes.
    if (!std::filesystem::exists(firstFile, ec) || std::filesystem::file_size(firstFile, ec) == 0 || ec) {
        result_.error = "案例库中没有案例";
        return std::move(result_);
    }
    MDataBase store;
    if (!store.Open(request_.programFolder, 0)) {
        result_.error = "无法打开案例库";
        return std::move(result_);
    }
    CBaZiEx engine(request_.programFolder, StandardReadings());
    engine.ReadSettings();
    BirthData chosen = request_.person;
    chosen.person = 0;
    if (!engine.BuildIndexChart(chosen, chosen_)) {
        result_.error = engine.errorText;
        return std::move(result_);
    }
    chosenMale_ = chosen.male != 0;
    control_.slotsTotal = store.CaseCount();
    // About one partner per case; a damaged header's count is not trusted further.
    result_.ranked.reserve(static_cast<std::size_t>(std::min(store.CaseCount(), kMaxReserved)));

    unsigned threads = request_.threads ? request_.threads : std::max(1u, std::thread::hardware_concurrency());
    BatchQueue<Batch> queue(kQueuedPerThread * threads);
    queue_ = &queue;
    {
        std::vector<std::jthread> pool;
        for (unsigned i = 0; i < threads; ++i) pool.emplace_back([this] { Work(); });
        result_.cancelled = !ReadStore(store, queue);
        queue.Close();
    }  // the pool is joined here
    result_.cancelled = result_.cancelled || control_.cancel;
    result_.duplicates = DropDuplicates(result_.ranked) + DropDuplicates(result_.unchartable);
    std::sort(result_.ranked.begin(), result_.ranked.end(), [](const Candidate& a, const Candidate& b) {
        if (a.index != b.index) return a.index > b.index;
        return std::tie(a.number, a.side) < std::tie(b.number, b.side);
    });
    std::sort(result_.unchartable.begin(), result_.unchartable.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.number, a.side) < std::tie(b.number, b.side);
    });
    result_.ok = true;
    return std::move(result_);
}

}  // namespace

RankingResult RankPartners(const RankingRequest& request, RankingControl* control) {
    RankingControl own;
    Ranking ranking(request, control ? *control : own);
    return ranking.Run();
}

}  // namespace matching
