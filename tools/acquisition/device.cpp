#include "acquisition/device.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kProgram = "vorns-acquisition";
// Between two commands of the set-up: the card reads one line at a time.
constexpr int kCommandPauseMs = 100;
// After CD, what the card still sends is taken for so long.
constexpr int kStopDrainMs = 300;

int g_signal_pipe[2] = {-1, -1};

void on_signal(int) {
    const char byte = 1;
    const auto ignored = ::write(g_signal_pipe[1], &byte, 1);
    (void)ignored;
}

void say(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
    std::fflush(stderr);
}

std::string hex2(unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02X", value & 0xFF);
    return buffer;
}

class Acquisition {
public:
    explicit Acquisition(const DeviceSettings& s) : s_(s) {
        retry_.setInterval(s.retry_ms);
        QObject::connect(&retry_, &QTimer::timeout, [this] { reopen(); });
        commands_timer_.setInterval(kCommandPauseMs);
        QObject::connect(&commands_timer_, &QTimer::timeout, [this] { next_command(); });
        QObject::connect(&port_, &QSerialPort::readyRead, [this] { received(); });
        QObject::connect(&port_, &QSerialPort::errorOccurred, [this](QSerialPort::SerialPortError e) { failed(e); });
    }

    ~Acquisition() {
        if (fd_ >= 0) ::close(fd_);
    }

    // The file, appended to; false (said) when it cannot be.
    bool open_file() {
        struct stat st{};
        if (::stat(s_.output.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            say("'" + s_.output + "' is not a regular file: the raw stream goes to a file");
            return false;
        }
        fd_ = ::open(s_.output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            say("cannot open '" + s_.output + "': " + std::strerror(errno));
            return false;
        }
        // A line cut short at the end of an earlier run stays a line of its own.
        const int in = ::open(s_.output.c_str(), O_RDONLY | O_CLOEXEC);
        char last = '\n';
        if (in >= 0) {
            const off_t size = ::lseek(in, 0, SEEK_END);
            if (size > 0 && ::pread(in, &last, 1, size - 1) != 1) last = '\n';
            ::close(in);
        }
        return last == '\n' || last == '\r' || write(QByteArrayLiteral("\n"));
    }

    // The port at the start; false (said) when it cannot be opened.
    bool open_port() {
        if (!open_serial()) {
            std::string why = port_.errorString().toStdString();
            if (port_.error() == QSerialPort::PermissionError) {
                why += " (the user needs the rights to the port: the dialout group, see the README)";
            }
            say("cannot open the port " + s_.port + ": " + why);
            return false;
        }
        say("reading the card on " + s_.port + " into " + s_.output);
        opened_ = true;
        set_up();
        return true;
    }

    // Stops the card, takes what it still sends, and ends.
    void stop() {
        if (stopping_) return;
        stopping_ = true;
        retry_.stop();
        commands_timer_.stop();
        if (port_.isOpen()) {
            port_.write("CD\r");
            port_.waitForBytesWritten(kStopDrainMs);
            QTimer::singleShot(kStopDrainMs, [this] { finish(); });
        } else {
            finish();
        }
    }

    int status() const { return status_; }

private:
    bool open_serial() {
        port_.setPortName(QString::fromStdString(s_.port));
        if (!port_.open(QIODevice::ReadWrite)) return false;
        port_.setBaudRate(QSerialPort::Baud115200);
        port_.setDataBits(QSerialPort::Data8);
        port_.setParity(QSerialPort::NoParity);
        port_.setStopBits(QSerialPort::OneStop);
        port_.setFlowControl(QSerialPort::SoftwareControl);
        return true;
    }

    void set_up() {
        commands_ = {"CD", "DC", "WC 03 " + hex2(s_.gate >> 8), "WC 02 " + hex2(s_.gate), "WC 00 " + hex2(s_.control),
                     "CE"};
        next_ = 0;
        next_command();
        commands_timer_.start();
    }

    void next_command() {
        if (next_ >= commands_.size() || !port_.isOpen()) {
            commands_timer_.stop();
            return;
        }
        port_.write(QByteArray::fromStdString(commands_[next_++] + "\r"));
    }

    void received() {
        pending_ += port_.readAll();
        // Up to the end of the last whole line, in one write.
        qsizetype end = pending_.size();
        while (end > 0 && pending_[end - 1] != '\n' && pending_[end - 1] != '\r') --end;
        if (end == 0) return;
        if (!write(pending_.first(end))) return;
        pending_.remove(0, end);
    }

    // The part of a line received before the stream ended, as a line of its own.
    void keep_the_rest() {
        pending_ += port_.isOpen() ? port_.readAll() : QByteArray();
        received();
        if (!pending_.isEmpty() && write(pending_ + "\n")) pending_.clear();
    }

    bool write(const QByteArray& bytes) {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                say("cannot write to '" + s_.output + "': " + std::strerror(errno) + "; the card is stopped");
                status_ = 1;
                stop();
                return false;
            }
            done += n;
        }
        return true;
    }

    void failed(QSerialPort::SerialPortError e) {
        if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError || stopping_ || !opened_) return;
        if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError && e != QSerialPort::WriteError &&
            e != QSerialPort::DeviceNotFoundError) {
            return;
        }
        if (!port_.isOpen() && retry_.isActive()) return;
        const std::string why = port_.errorString().toStdString();
        keep_the_rest();
        commands_timer_.stop();
        port_.close();
        say("the port " + s_.port + " is gone (" + why + "); what the card sent before is in " + s_.output +
            "; trying the port again every " + std::to_string(s_.retry_ms) + " ms");
        retry_.start();
    }

    void reopen() {
        if (stopping_ || port_.isOpen()) return;
        if (!open_serial()) return;
        retry_.stop();
        say("the port " + s_.port + " is back: the card set up and started again");
        set_up();
    }

    void finish() {
        keep_the_rest();
        port_.close();
        QCoreApplication::exit(status_);
    }

    const DeviceSettings s_;
    QSerialPort port_;
    QTimer retry_;
    QTimer commands_timer_;
    std::vector<std::string> commands_;
    std::size_t next_ = 0;
    QByteArray pending_;
    int fd_ = -1;
    bool opened_ = false;  // once at the start
    bool stopping_ = false;
    int status_ = 0;
};

}  // namespace

int run_device(const DeviceSettings& settings, int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (::pipe2(g_signal_pipe, O_CLOEXEC) != 0) {
        say(std::string("cannot make a pipe: ") + std::strerror(errno));
        return 1;
    }
    Acquisition acquisition(settings);
    QSocketNotifier stop_requests(g_signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(&stop_requests, &QSocketNotifier::activated, [&acquisition] {
        char byte = 0;
        const auto ignored = ::read(g_signal_pipe[0], &byte, 1);
        (void)ignored;
        acquisition.stop();
    });
    struct sigaction action{};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    if (!acquisition.open_file() || !acquisition.open_port()) return 1;
    const int status = QCoreApplication::exec();
    return status != 0 ? status : acquisition.status();
}
