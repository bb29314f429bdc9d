#include "big_stack.h"

#include <pthread.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

struct Job {
    const std::function<void()>* work;
    double seconds = 0;
};

double ThreadSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void* RunJob(void* argument) {
    Job* job = static_cast<Job*>(argument);
    double start = ThreadSeconds();
    (*job->work)();
    job->seconds = ThreadSeconds() - start;
    return nullptr;
}

}  // namespace

double TimeOnBigStack(const std::function<void()>& work) {
    constexpr size_t kStackBytes = size_t(1) << 30;  // reserved, touched only as deep as needed
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, kStackBytes);
    Job job{&work};
    pthread_t thread;
    if (pthread_create(&thread, &attributes, RunJob, &job) != 0) {
        std::fprintf(stderr, "cannot start a thread with a big stack\n");
        std::abort();
    }
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return job.seconds;
}

}  // namespace bench
