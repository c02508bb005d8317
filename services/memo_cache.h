#pragma once
// A bounded, thread-safe memo of a pure function: a direct-mapped table of
// `Slots` entries, each holding one key and its value. A key lands in slot
// hash(key) % Slots; a newer key in the same slot replaces the older one. With
// hashes that walk the slots in step with consecutive keys (lunations, years),
// a run over neighbouring keys never evicts what it is about to reuse.
//
// Because every stored value is the function's own result for that exact key,
// a lookup changes no result; it only saves the computation.
#include <cstddef>
#include <mutex>
#include <vector>

namespace orbel {

template <class Key, class Value, class Hash>
class MemoCache {
public:
    explicit MemoCache(std::size_t slots) : slots_(slots) {}

    // The memoised value for `key`, or compute() stored and returned. The
    // computation runs outside the lock so that it may use other caches and
    // other threads are not held up; two threads racing on the same key both
    // compute the same value.
    template <class Compute>
    Value GetOrCompute(const Key& key, Compute&& compute) {
        const std::size_t i = Hash{}(key) % slots_.size();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const Slot& s = slots_[i];
            if (s.filled && s.key == key) return s.value;
        }
        Value value = compute();
        std::lock_guard<std::mutex> lock(mutex_);
        slots_[i] = Slot{true, key, value};
        return value;
    }

    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        for (Slot& s : slots_) s = Slot{};
    }

private:
    struct Slot {
        bool filled = false;
        Key key{};
        Value value{};
    };
    std::mutex mutex_;
    std::vector<Slot> slots_;
};

}  // namespace orbel
