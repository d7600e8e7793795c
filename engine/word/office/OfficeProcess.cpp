#include "word/office/OfficeProcess.h"

#include <chrono>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XInstanceProvider.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <stdexcept>
#include <system_error>

#include "platform/CommandLine.h"
#include "platform/Env.h"
#include "word/office/CountingConnection.h"
#include "word/office/PipeTraffic.h"
#include "word/office/UnoRuntime.h"
#include "word/office/UnoText.h"

namespace vane {

using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace {

using Clock = std::chrono::steady_clock;

int elapsed_ms(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

}  // namespace

std::string shell_quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

OfficeProcess::OfficeProcess(Env& env, const OfficeProcessOptions& options) : env_(env), options_(options) {
    const auto local = uno_local_context();
    profile_ = std::make_unique<OfficeProfile>();
    // Through a shell that discards the office's console chatter (it would
    // land in the user's terminal) and then becomes the office itself. It
    // first leaves a watchdog in a session of its own: should this process
    // die without quitting the office (killed, crashed), the watchdog kills
    // the office's process group and removes the profile.
    const std::string watchdog = "while kill -0 " + std::to_string(env_.processId()) +
                                 " 2>/dev/null && kill -0 \"$1\" 2>/dev/null; "
                                 "do sleep 1; done; kill -0 " +
                                 std::to_string(env_.processId()) +
                                 " 2>/dev/null || "
                                 "{ kill -9 -\"$1\" 2>/dev/null; sleep 1; rm -rf " +
                                 shell_quote(profile_->path()) + "; }";
    // The office keeps its own temporary files inside the profile, so that
    // they go with it even when the office is killed. It writes no lock files
    // beside the documents it loads: we only ever load our own copies, and a
    // lock left by a killed office (or held by a parallel run on the same
    // file) must not stay in the user's folders or refuse a load.
    const std::string officeTemp = shell_quote(profile_->path() + "/tmp");
    std::string script = "setsid sh -c " + shell_quote(watchdog) +
                         " watchdog \"$$\" </dev/null >/dev/null 2>&1 & mkdir -p " + officeTemp +
                         "; TMPDIR=" + officeTemp + "; SAL_ENABLE_FILE_LOCKING=0; export TMPDIR SAL_ENABLE_FILE_LOCKING; exec " +
                         shell_quote(options_.program) + " " + shell_quote("-env:UserInstallation=" + profile_->url());
    if (!options_.visible) script += " --headless --invisible";
    script += " --norestore --nologo --nodefault --nolockcheck " +
              shell_quote("--accept=pipe,name=" + profile_->pipeName() + ";urp;StarOffice.ComponentContext") +
              " </dev/null >/dev/null 2>&1";
    const std::string command = "sh -c " + quote_command_argument(script);
    child_ = env_.startProcess(command, "");
    if (child_ == nullptr) {
        profile_.reset();
        throw std::runtime_error("cannot start the office");
    }
    try {
        connect(profile_->pipeName());
    } catch (...) {
        stop(false);
        throw;
    }
}

std::unique_ptr<OfficeProcess> OfficeProcess::within(Env& env,
                                                     const Reference<css::uno::XComponentContext>& ownContext) {
    return std::unique_ptr<OfficeProcess>(new OfficeProcess(env, Within{}, ownContext));
}

OfficeProcess::OfficeProcess(Env& env, Within, const Reference<css::uno::XComponentContext>& ownContext)
    : env_(env), hosting_(true), context_(ownContext), desktop_(css::frame::Desktop::create(ownContext)) {}

bool OfficeProcess::ended() {
    return child_ == nullptr || child_->poll().has_value();
}

OfficeProcess::~OfficeProcess() {
    try {
        stop(true);
    } catch (...) {
    }
}

void OfficeProcess::connect(const std::string& pipeName) {
    // The bridge writes to the pipe from several threads, and the office may
    // end first (asked to quit while a reference is let go, or crashed): such
    // a write must end the bridge with an error, not this process.
    env_.ignoreBrokenPipes();
    // What a URL resolver does, with our counting connection under the
    // bridge. The bridge is anonymous and not kept: it ends itself once the
    // last of the office's objects we hold is let go.
    const auto local = uno_local_context();
    const auto connector = css::connection::Connector::create(local);
    const auto bridges = css::bridge::BridgeFactory::create(local);
    const auto description = ou("pipe,name=" + pipeName);
    const auto start = Clock::now();
    for (;;) {
        try {
            const Reference<css::connection::XConnection> connection(
                new CountingConnection(connector->connect(description), PipeTraffic::process()));
            const auto bridge = bridges->createBridge("", "urp", connection, {});
            const Reference<css::uno::XInterface> remote = bridge->getInstance("StarOffice.ComponentContext");
            context_.set(remote, UNO_QUERY);
            if (!context_.is()) throw std::runtime_error("the office gave no component context");
            desktop_ = css::frame::Desktop::create(context_);
            return;
        } catch (const css::connection::NoConnectException&) {
            // not listening yet
        } catch (const css::uno::Exception&) {
            // bridge set-up failed while the office was starting: try again
        }
        if (child_->poll().has_value()) throw std::runtime_error("the office ended while starting");
        if (elapsed_ms(start) >= options_.connectTimeoutMs) {
            throw std::runtime_error("the office did not answer");
        }
        env_.sleepMilliseconds(100);
    }
}

void OfficeProcess::askToQuit() {
    if (child_ == nullptr || !desktop_.is() || asking_.joinable()) return;
    // The office answers only once it has closed everything: the request is
    // made from a thread of its own, which stop() joins after the process
    // has ended (or was killed, which breaks the bridge and ends the call).
    auto terminate = [desktop = desktop_]() mutable {
        try {
            desktop->terminate();
        } catch (...) {
            // the bridge breaks while the office goes down
        }
        desktop.clear();
    };
    desktop_.clear();
    context_.clear();
    try {
        asking_ = std::thread(std::move(terminate));
    } catch (const std::system_error&) {
        terminate();
    }
}

bool OfficeProcess::quit() {
    const bool byItself = child_ != nullptr || hosting_;
    stop(true);
    return byItself && !killed_;
}

void OfficeProcess::stop(bool ask) {
    if (hosting_) {
        hosting_ = false;
        desktop_.clear();
        context_.clear();
        return;
    }
    if (child_ != nullptr) {
        if (ask && desktop_.is()) {
            try {
                desktop_->terminate();
            } catch (...) {
                // the bridge breaks while the office goes down
            }
        }
        desktop_.clear();
        context_.clear();
        const auto start = Clock::now();
        while (!child_->poll().has_value()) {
            if (!ask || elapsed_ms(start) >= options_.quitTimeoutMs) {
                child_->kill();
                killed_ = true;
                break;
            }
            env_.sleepMilliseconds(50);
        }
        if (asking_.joinable()) asking_.join();
        child_.reset();
    }
    profile_.reset();
}

}  // namespace vane
