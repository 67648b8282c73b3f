// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace keld {

// The listeners of one subject (the page, the result table). Shared with the
// subscriptions, so that a listener may go before its subject or after it.
class ObserverSlots {
public:
    std::uint64_t add(void* observer) {
        slots_.push_back({nextId_, observer});
        return nextId_++;
    }

    // While a notification runs, a removed listener only loses its place (the
    // loop goes on by index); the places are closed when the last one ends.
    void remove(std::uint64_t id) {
        for (auto slot = slots_.begin(); slot != slots_.end(); ++slot) {
            if (slot->id != id) continue;
            if (notifying_ > 0) {
                slot->observer = nullptr;
            } else {
                slots_.erase(slot);
            }
            return;
        }
    }

    std::size_t size() const { return slots_.size(); }
    void* observer(std::size_t index) const { return slots_[index].observer; }

    // Marks a notification as running for its lifetime, however it ends.
    class Notifying {
    public:
        explicit Notifying(ObserverSlots& slots) : slots_(slots) { ++slots_.notifying_; }
        ~Notifying() {
            if (--slots_.notifying_ == 0)
                std::erase_if(slots_.slots_, [](const Slot& s) { return !s.observer; });
        }
        Notifying(const Notifying&) = delete;
        Notifying& operator=(const Notifying&) = delete;

    private:
        ObserverSlots& slots_;
    };

private:
    struct Slot {
        std::uint64_t id;
        void* observer;  // null once removed during a notification
    };
    std::vector<Slot> slots_;
    std::uint64_t nextId_ = 1;
    int notifying_ = 0;
};

// A listener's place with its subject: the listener hears of the subject's
// changes for as long as the subscription lives. Destroying or resetting it
// ends that at once, also halfway through a notification, and is safe after
// the subject has gone. A listener keeps its subscription as a member, so
// that it stops listening when it goes.
class Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<ObserverSlots> slots, std::uint64_t id) : slots_(std::move(slots)), id_(id) {}
    Subscription(Subscription&& other) noexcept = default;
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            slots_ = std::move(other.slots_);
            id_ = other.id_;
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (const std::shared_ptr<ObserverSlots> slots = slots_.lock()) slots->remove(id_);
        slots_.reset();
    }

private:
    std::weak_ptr<ObserverSlots> slots_;
    std::uint64_t id_ = 0;
};

// The listeners of a subject, told in the order they subscribed. A listener
// that subscribes while a notification runs hears from the next one on; one
// whose subscription ends while a notification runs is not told any more, not
// even by that notification. A listener that raises ends the notification:
// those after it are not told, and the error goes on to the subject's caller.
template <typename Observer>
class ObserverList {
public:
    ObserverList() = default;
    ObserverList(const ObserverList&) = delete;
    ObserverList& operator=(const ObserverList&) = delete;

    [[nodiscard]] Subscription subscribe(Observer& observer) {
        const std::uint64_t id = slots_->add(&observer);
        return Subscription(slots_, id);
    }

    template <typename... Params, typename... Args>
    void notify(void (Observer::*event)(Params...), const Args&... args) {
        // Held here as well: a listener may destroy the subject.
        const std::shared_ptr<ObserverSlots> slots = slots_;
        const ObserverSlots::Notifying notifying(*slots);
        const std::size_t count = slots->size();
        for (std::size_t i = 0; i < count; ++i) {
            if (void* observer = slots->observer(i)) (static_cast<Observer*>(observer)->*event)(args...);
        }
    }

private:
    std::shared_ptr<ObserverSlots> slots_ = std::make_shared<ObserverSlots>();
};

}  // namespace keld
