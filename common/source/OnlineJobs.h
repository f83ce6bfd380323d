#pragma once

#include "lang/Func.h"
#include "lang/Mutex.h"
#include "lang/Ref.h"
#include "lang/Thread.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

/// The worker threads of one kind of online check and the answer the newest of them leaves for
/// the frame update. A new job supersedes the running one without waiting for it: the older job
/// is told to give up (its abandon flag is set) and whatever it still finds is dropped, so the
/// game thread never waits out a network time-out or a slow program. Destroying the object
/// abandons every job and joins them, each within its own reaction time to the flag.
/// `start`, `isRunning`, `take`, `latest` and `clear` are for the game thread; the answer is
/// handed over under a mutex.
template <class Answer> class OnlineJobs {
public:
    /// The work of one job, run on its own thread: the answer, or nothing when there is none. It
    /// must return soon once `abandon` is true, and must not throw.
    using Work = std::function<std::optional<Answer>(const std::atomic<bool>& abandon)>;

    OnlineJobs() = default;
    OnlineJobs(const OnlineJobs&) = delete;
    OnlineJobs& operator=(const OnlineJobs&) = delete;
    /// Abandons every job and waits until each has returned.
    ~OnlineJobs() {
        {
            lang::MutexLock lock(m_mutex);
            for (const auto& job : m_jobs)
                job->abandon = true;
        }
        m_jobs.clear();
    }

    /// Starts `work` on a new thread and supersedes the running job, if any. Raises
    /// `lang::Exception` when no thread can be made.
    void start(Work work) {
        {
            lang::MutexLock lock(m_mutex);
            if (!m_jobs.empty())
                m_jobs.back()->abandon = true;
        }
        // Joining a finished job returns at once.
        std::erase_if(m_jobs, [](const std::unique_ptr<Job>& job) { return job->finished.load(); });
        auto job = std::make_unique<Job>(*this, std::move(work));
        job->thread = new lang::Thread(lang::Func(job.get(), &Job::run), true);
        m_jobs.push_back(std::move(job));
    }
    /// True while the newest job has not returned.
    bool isRunning() const { return !m_jobs.empty() && !m_jobs.back()->finished; }
    /// The newest answer not taken yet, taking it.
    std::optional<Answer> take() {
        lang::MutexLock lock(m_mutex);
        return std::exchange(m_answer, std::nullopt);
    }
    /// The newest answer, leaving it in place.
    std::optional<Answer> latest() const {
        lang::MutexLock lock(m_mutex);
        return m_answer;
    }
    /// Forgets the answer not taken yet.
    void clear() {
        lang::MutexLock lock(m_mutex);
        m_answer.reset();
    }

private:
    struct Job {
        Job(OnlineJobs& owner, Work work) : owner(owner), work(std::move(work)) {}
        void run() {
            std::optional<Answer> answer = work(abandon);
            {
                lang::MutexLock lock(owner.m_mutex);
                // A superseded job's answer is stale; "nothing" replaces an answer not taken.
                if (!abandon)
                    owner.m_answer = std::move(answer);
            }
            finished = true;
        }

        OnlineJobs& owner;
        Work work;
        std::atomic<bool> abandon{false};
        std::atomic<bool> finished{false};
        /// Declared last, so destroying the job joins the thread before anything it uses goes.
        lang::Ref<lang::Thread> thread;
    };

    /// Guards `m_answer` and the jobs' abandon flags as answers are handed over.
    mutable lang::Mutex m_mutex;
    std::optional<Answer> m_answer;
    /// Oldest first: only the last one is current.
    std::vector<std::unique_ptr<Job>> m_jobs;
};
