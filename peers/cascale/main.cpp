// CAScale.exe stand-in: sends the goods of Plufeed.XML to the scale named in it, or deletes a
// PLU range there. It works in its working folder: the goods file named on the command line
// (Plufeed.XML when none is given), the log Cascale.log and, on failure, Cascale.err, whose first
// line tells the caller in Polish what went wrong.
#include <string>

#include "cascale/Plufeed.h"
#include "common/Console.h"
#include "common/ScaleClient.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace {

constexpr const char* kLogFile = "Cascale.log";
constexpr const char* kErrFile = "Cascale.err";

class Run {
public:
    void Log(const std::string& line) {
        auto t = platform::LocalNow();
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d ", t.Year, t.Month, t.Day, t.Hour,
                      t.Minute, t.Second);
        log_ += stamp + line + "\r\n";
        platform::WriteWholeFile(kLogFile, log_);
    }

    // Writes the error file (message first, the technical reason below it) and ends the run.
    int Fail(const std::string& message, const std::string& detail = {}) {
        Log(std::string("BŁĄD: "_pl) + message + (detail.empty() ? "" : " (" + detail + ")"));
        std::string contents = message + "\r\n";
        if (!detail.empty()) contents += detail + "\r\n";
        if (!platform::WriteWholeFile(kErrFile, contents))
            peers::PrintLine(stderr, std::string("CAScale: nie można zapisać pliku Cascale.err"_pl));
        peers::PrintLine(stderr, "CAScale: " + message);
        return 1;
    }

    int Execute(const std::string& feedName) {
        platform::DeleteFile(kErrFile);
        Log("CAScale: plik " + feedName);
        std::string document;
        if (!platform::FileExists(feedName)) return Fail("Brak pliku " + feedName);
        if (!platform::ReadWholeFile(feedName, document))
            return Fail(std::string("Nie można odczytać pliku "_pl) + feedName);
        peers::Plufeed feed;
        std::string error;
        if (!peers::ReadPlufeed(document, feed, error)) return Fail(error);

        std::string scale = feed.address + ":" + std::to_string(feed.port);
        peers::ScaleClient client(feed.intervalMs);
        bool connected = false;
        for (int attempt = 0; attempt <= feed.retry && !connected; ++attempt) {
            connected = client.Connect(feed.address, static_cast<std::uint16_t>(feed.port), error);
            if (!connected && !peers::IsLoopbackAddress(feed.address)) break; // no use trying again
        }
        if (!connected) return Fail(std::string("Brak połączenia z wagą "_pl) + scale, error);
        Log(std::string("Połączono z wagą "_pl) + scale +
            (feed.scaleKind.empty() ? "" : " (" + feed.scaleKind + ")"));

        if (feed.action == peers::Plufeed::Action::Send) {
            int sent = 0;
            for (const auto& record : feed.records) {
                if (!client.Set(record, error))
                    return Fail(std::string("Błąd wysyłania PLU "_pl) + std::to_string(record.plu) +
                                    std::string(" do wagi "_pl) + scale,
                                error);
                Log(std::string("Wysłano PLU "_pl) + std::to_string(record.plu) + " " + record.name1);
                ++sent;
            }
            Log(std::string("Wysłano rekordów: "_pl) + std::to_string(sent));
        } else {
            if (feed.ranges.empty()) Log("Brak zakresu PLU do usunięcia");
            for (const auto& range : feed.ranges) {
                int deleted = 0;
                std::string what = std::to_string(range.from) + " - " + std::to_string(range.to);
                if (!client.DeleteRange(range.from, range.to, deleted, error))
                    return Fail(std::string("Błąd usuwania PLU "_pl) + what + std::string(" z wagi "_pl) +
                                    scale,
                                error);
                Log(std::string("Usunięto PLU "_pl) + what + ": " + std::to_string(deleted));
            }
        }
        std::string reply;
        client.Request("QUIT", reply);
        Log(std::string("Zakończono komunikację z wagą"_pl));
        return 0;
    }

private:
    std::string log_;
};

} // namespace

int main(int argc, char** argv) {
    std::string feedName = argc > 1 ? peers::ArgToCp1250(argv[1]) : std::string("Plufeed.XML");
    return Run().Execute(feedName);
}
