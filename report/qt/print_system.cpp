#include "report/qt/print_system.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

// The PPD functions are deprecated in favour of IPP Everywhere, but they are
// exactly what Qt 6.4 reads, so they are what shows what Qt would trip on.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace report {
namespace {

constexpr int kConnectMs = 1000;

struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    PrintSystem result;
};

bool LacksLanguageEncoding(http_t* http, const char* printer)
{
    const char* file = cupsGetPPD2(http, printer);
    if (file == nullptr)
        return false;  // no PPD (driverless): Qt reads none either
    ppd_file_t* ppd = ppdOpenFile(file);
    const bool lacks = ppd != nullptr && ppd->lang_encoding == nullptr;
    if (ppd != nullptr)
        ppdClose(ppd);
    ::unlink(file);
    return lacks;
}

PrintSystem Ask()
{
    PrintSystem answer;
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs, nullptr);
    if (http == nullptr) {
        // Refused or no socket: Qt finds no printer just as fast. A server
        // that lets the connection time out would keep Qt waiting.
        if (errno == ETIMEDOUT || errno == EHOSTUNREACH || errno == ENETUNREACH)
            answer.state = PrintSystem::State::kSilent;
        return answer;
    }
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http, &dests);
    answer.state = PrintSystem::State::kAnswering;
    for (int i = 0; i < count; ++i) {
        if (LacksLanguageEncoding(http, dests[i].name))
            answer.withoutLanguageEncoding.emplace_back(dests[i].name);
    }
    cupsFreeDests(count, dests);
    httpClose(http);
    return answer;
}

}  // namespace

PrintSystem AskPrintSystem(std::chrono::milliseconds wait)
{
    auto shared = std::make_shared<Shared>();
    std::thread([shared] {
        PrintSystem answer = Ask();
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(answer);
        shared->finished = true;
        shared->done.notify_all();
    }).detach();

    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::unique_lock lock(shared->mutex);
    while (!shared->finished && std::chrono::steady_clock::now() < deadline) {
        shared->done.wait_for(lock, std::chrono::milliseconds(20));
        if (!shared->finished && QCoreApplication::instance() != nullptr) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            lock.lock();
        }
    }
    if (!shared->finished) {
        PrintSystem silent;
        silent.state = PrintSystem::State::kSilent;
        return silent;
    }
    return shared->result;
}

std::string LastJobRefusal()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    const char* reason = cupsLastErrorString();
    return reason != nullptr && *reason != '\0' ? reason : ippErrorString(cupsLastError());
}

}  // namespace report
