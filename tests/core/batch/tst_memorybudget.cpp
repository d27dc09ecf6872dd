// MemoryBudget's admission rule on its own, with tickets on threads of the test: a file waits
// while the files at work and its own need exceed the budget, and one larger than the whole
// budget runs alone once the others are done.
#include "batch/MemoryBudget.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

// How long a ticket that ought to wait is watched before it is taken to be waiting. A ticket
// admitted wrongly is admitted at once, so this is no timing target: only a bound on a wrong pass.
constexpr std::chrono::milliseconds kWatch(200);
// How long a ticket that ought to be admitted may take before the test fails rather than hangs.
constexpr std::chrono::seconds kPatience(10);

// A ticket entered and admitted on a thread of its own, held until release() is called.
class Holder {
public:
    Holder(MemoryBudget &budget, qint64 bytes)
        : m_thread([this, &budget, bytes] {
              MemoryBudget::Ticket ticket = budget.enter();
              ticket.admit(bytes);
              m_admitted.set_value();
              m_release.get_future().wait();
          })
    {
    }
    ~Holder()
    {
        release();
        if (m_thread.joinable()) {
            if (admitted(kWatch))
                m_thread.join();
            else
                m_thread.detach(); // still blocked: the test has failed; its budget is never freed
        }
    }
    bool admitted(std::chrono::milliseconds within)
    {
        return m_admittedFuture.wait_for(within) == std::future_status::ready;
    }
    void release()
    {
        if (!m_released.exchange(true))
            m_release.set_value();
    }

private:
    std::promise<void> m_admitted;
    std::shared_future<void> m_admittedFuture = m_admitted.get_future().share();
    std::promise<void> m_release;
    std::atomic<bool> m_released {false};
    std::thread m_thread;
};

} // namespace

class TestMemoryBudget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondFileWaitsForTheFirst();
    void fileLargerThanTheBudgetRunsAlone();
    void filesThatFitRunTogether();
};

void TestMemoryBudget::secondFileWaitsForTheFirst()
{
    // Leaked on purpose when a ticket stays blocked, so a failing test ends instead of hanging.
    auto *budget = new MemoryBudget(100);
    auto first = std::make_unique<Holder>(*budget, 60);
    QVERIFY(first->admitted(kPatience));
    auto second = std::make_unique<Holder>(*budget, 60);
    QVERIFY2(!second->admitted(kWatch), "60 + 60 of 100 was admitted at once");
    first->release();
    QVERIFY(second->admitted(kPatience));
    QCOMPARE(budget->peakTaken(), qint64(60));
    second.reset();
    first.reset();
    delete budget;
}

void TestMemoryBudget::fileLargerThanTheBudgetRunsAlone()
{
    auto *budget = new MemoryBudget(100);
    {
        // Alone on an idle budget: admitted at once.
        Holder large(*budget, 150);
        QVERIFY(large.admitted(kPatience));
    }
    QCOMPARE(budget->peakTaken(), qint64(150));
    // Beside a file at work: it waits until that one is done.
    auto small = std::make_unique<Holder>(*budget, 30);
    QVERIFY(small->admitted(kPatience));
    auto large = std::make_unique<Holder>(*budget, 150);
    QVERIFY2(!large->admitted(kWatch), "150 of 100 was admitted beside 30");
    small->release();
    QVERIFY(large->admitted(kPatience));
    large.reset();
    small.reset();
    delete budget;
}

void TestMemoryBudget::filesThatFitRunTogether()
{
    // 40 and 60 fill 100 exactly: both at work at once.
    auto *budget = new MemoryBudget(100);
    {
        Holder first(*budget, 40);
        QVERIFY(first.admitted(kPatience));
        Holder second(*budget, 60);
        QVERIFY(second.admitted(kPatience));
        QCOMPARE(budget->peakTaken(), qint64(100));
    }
    delete budget;
}

QTEST_GUILESS_MAIN(TestMemoryBudget)
#include "tst_memorybudget.moc"
