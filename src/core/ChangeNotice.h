#pragma once
// The model's word to its views that something changed: a view subscribes to the kinds it cares
// about and is told at once, so no change can slip past it however the change was made.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// What changed, as bits: the list's items or saved state, the name of its file, the window's mode.
enum TModelChange : std::uint32_t { mcList = 1, mcFileName = 2, mcMode = 4 };

class TChangeNotice {
public:
    using TListener = std::function<void(std::uint32_t changes)>;

    // The listener hears of the changes in the mask; the id ends the subscription.
    std::uint32_t Subscribe(std::uint32_t mask, TListener listener);
    void Unsubscribe(std::uint32_t id);
    // Tells the listeners that care; one may subscribe or leave while it is being told.
    void Notify(std::uint32_t changes);
    std::size_t Listeners() const { return Entries_.size(); }

private:
    struct TEntry {
        std::uint32_t Id, Mask;
        TListener Listener;
    };
    std::vector<std::shared_ptr<TEntry>> Entries_;
    std::uint32_t NextId_ = 0;
};

// A subscription for the subscriber's lifetime.
class TSubscription {
public:
    TSubscription(TChangeNotice& notice, std::uint32_t mask, TChangeNotice::TListener listener)
        : Notice_(notice)
        , Id_(notice.Subscribe(mask, std::move(listener)))
    {
    }
    ~TSubscription() { Notice_.Unsubscribe(Id_); }
    TSubscription(const TSubscription&) = delete;
    TSubscription& operator=(const TSubscription&) = delete;

private:
    TChangeNotice& Notice_;
    std::uint32_t Id_;
};
