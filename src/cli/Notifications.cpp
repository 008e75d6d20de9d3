#include "cli/Notifications.h"

#include "cli/CliSupport.h"

#include <cstring>
#include <gio/gio.h>
#include <map>
#include <memory>

namespace {

constexpr const char* Service = "org.freedesktop.Notifications";
constexpr const char* ObjectPath = "/org/freedesktop/Notifications";
constexpr gint CallTimeoutMs = 5000;

struct TUnref {
    void operator()(GDBusConnection* bus) const { g_object_unref(bus); }
    void operator()(GMainLoop* loop) const { g_main_loop_unref(loop); }
    void operator()(GVariant* value) const { g_variant_unref(value); }
    void operator()(GError* error) const { g_error_free(error); }
};
template <typename T> using TOwned = std::unique_ptr<T, TUnref>;

struct TWaiting {
    GDBusConnection* Bus = nullptr;
    GMainLoop* Loop = nullptr;
    std::map<guint32, const TNotice*> Shown; // by the service's id, until closed or acted on
    int Running = 0; // programs an action started, not yet ended
    std::string Failure; // a program that could not be started

    void QuitWhenDone() const
    {
        if (Shown.empty() && Running == 0)
            g_main_loop_quit(Loop);
    }
};

void ProgramEnded(GPid pid, gint /*status*/, gpointer data)
{
    auto& waiting = *static_cast<TWaiting*>(data);
    g_spawn_close_pid(pid);
    --waiting.Running;
    waiting.QuitWhenDone();
}

void StartReview(TWaiting& waiting, const TNotice& notice)
{
    std::vector<char*> argv;
    for (const std::string& word : notice.Review)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    GPid pid = 0;
    GError* error = nullptr;
    const auto flags = static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_SEARCH_PATH);
    if (!g_spawn_async(nullptr, argv.data(), nullptr, flags, nullptr, nullptr, &pid, &error)) {
        const TOwned<GError> owned(error);
        waiting.Failure = error->message;
        return;
    }
    ++waiting.Running;
    g_child_watch_add(pid, ProgramEnded, &waiting);
}

void SignalArrived(GDBusConnection* /*bus*/, const gchar* /*sender*/, const gchar* /*path*/,
    const gchar* /*interface*/, const gchar* signal, GVariant* parameters, gpointer data)
{
    auto& waiting = *static_cast<TWaiting*>(data);
    guint32 id = 0;
    const gchar* action = "";
    if (std::strcmp(signal, "ActionInvoked") == 0 && g_variant_is_of_type(parameters, G_VARIANT_TYPE("(us)")))
        g_variant_get(parameters, "(u&s)", &id, &action);
    else if (std::strcmp(signal, "NotificationClosed") == 0
        && g_variant_is_of_type(parameters, G_VARIANT_TYPE("(uu)")))
        g_variant_get(parameters, "(uu)", &id, nullptr);
    else
        return;
    const auto shown = waiting.Shown.find(id);
    if (shown == waiting.Shown.end())
        return;
    // A click on the notice itself is its default action; either starts one review.
    if (std::strcmp(action, "review") == 0 || std::strcmp(action, "default") == 0)
        StartReview(waiting, *shown->second);
    waiting.Shown.erase(shown);
    waiting.QuitWhenDone();
}

gboolean WaitedLongEnough(gpointer data)
{
    auto& waiting = *static_cast<TWaiting*>(data);
    for (const auto& [id, notice] : waiting.Shown)
        g_dbus_connection_call(waiting.Bus, Service, ObjectPath, Service, "CloseNotification",
            g_variant_new("(u)", id), nullptr, G_DBUS_CALL_FLAGS_NONE, CallTimeoutMs, nullptr, nullptr,
            nullptr);
    waiting.Shown.clear();
    g_dbus_connection_flush_sync(waiting.Bus, nullptr, nullptr);
    waiting.QuitWhenDone();
    return G_SOURCE_REMOVE;
}

guint32 Notify(GDBusConnection* bus, const TNotice& notice)
{
    const gchar* const actions[] = { "default", "Review", "review", "Review", nullptr };
    GVariantBuilder hints;
    g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
    g_variant_builder_add(&hints, "{sv}", "desktop-entry", g_variant_new_string("velmoria"));
    GError* error = nullptr;
    const TOwned<GVariant> reply(g_dbus_connection_call_sync(bus, Service, ObjectPath, Service, "Notify",
        g_variant_new("(susss^asa{sv}i)", "Velmoria", 0U, "velmoria", notice.Summary.c_str(),
            notice.Body.c_str(), actions, &hints, -1),
        G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, CallTimeoutMs, nullptr, &error));
    if (!reply) {
        const TOwned<GError> owned(error);
        throw TCommandError(
            std::string("The desktop's notification service did not answer: ") + error->message);
    }
    guint32 id = 0;
    g_variant_get(reply.get(), "(u)", &id);
    return id;
}

} // namespace

void ShowNotices(const std::vector<TNotice>& notices, std::chrono::seconds wait)
{
    if (notices.empty())
        return;
    GError* error = nullptr;
    // A connection of its own, closed here: the shared one would outlive the command.
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    const TOwned<GDBusConnection> bus(address
            ? g_dbus_connection_new_for_address_sync(address,
                static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT
                    | G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
                nullptr, nullptr, &error)
            : nullptr);
    g_free(address);
    if (!bus) {
        const TOwned<GError> owned(error);
        throw TCommandError(std::string("The desktop's session bus cannot be reached: ") + error->message);
    }
    const TOwned<GMainLoop> loop(g_main_loop_new(nullptr, FALSE));
    TWaiting waiting { bus.get(), loop.get(), {}, 0, {} };
    // Listening before the first notice: an answer to it may come at once.
    const guint subscription = g_dbus_connection_signal_subscribe(bus.get(), nullptr, Service, nullptr,
        ObjectPath, nullptr, G_DBUS_SIGNAL_FLAGS_NONE, SignalArrived, &waiting, nullptr);
    try {
        for (const TNotice& notice : notices)
            waiting.Shown[Notify(bus.get(), notice)] = &notice;
    } catch (...) {
        g_dbus_connection_signal_unsubscribe(bus.get(), subscription);
        throw;
    }
    const guint timeout = g_timeout_add_seconds(static_cast<guint>(wait.count()), WaitedLongEnough, &waiting);
    g_main_loop_run(loop.get());
    g_dbus_connection_signal_unsubscribe(bus.get(), subscription);
    if (g_main_context_find_source_by_id(nullptr, timeout))
        g_source_remove(timeout);
    g_dbus_connection_close_sync(bus.get(), nullptr, nullptr);
    if (!waiting.Failure.empty())
        throw TCommandError("The review could not be started: " + waiting.Failure);
}
