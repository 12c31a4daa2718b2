// Lists of effect objects owned by the screen that updates and draws them; an effect leaves its list by
// itself.
#pragma once

#include <cstddef>
#include <list>
#include <memory>

template <class T>
class TEffectList;

// How an effect learns the list it joined (or, with null, that it left it): its `list` field. An effect
// type with another name for it provides its own overload.
template <class T>
void joinEffectList(T& item, TEffectList<T>* list) {
    item.list = list;
}

template <class T>
class TEffectList {
  public:
    using Item = std::shared_ptr<T>;

    TEffectList() = default;
    TEffectList(const TEffectList&) = delete;  // effects point back at their list
    TEffectList& operator=(const TEffectList&) = delete;
    ~TEffectList() { clear(); }

    // Appends an effect; it remembers this list so that it can leave it.
    const Item& add(Item item) {
        joinEffectList(*item, this);
        items_.push_back(std::move(item));
        return items_.back();
    }

    // Every effect once, in order. During its update an effect may leave the list (itself only), add new
    // ones (they update in the same pass) or have the whole list cleared (the pass stops there).
    void update() {
        const bool outer = !updating_;
        updating_ = true;
        cleared_ = false;
        for (auto it = items_.begin(); it != items_.end();) {
            const Item item = *it;  // keeps the effect alive while it leaves the list
            ++it;
            item->update();
            if (cleared_) break;
        }
        if (outer) updating_ = false;
    }

    void draw() const {
        for (const Item& item : items_) item->draw();
    }

    // The effect leaves the list; nothing happens when it is not in it.
    void remove(const T* item) {
        for (auto it = items_.begin(); it != items_.end(); ++it)
            if (it->get() == item) {
                const Item keep = *it;  // the list may hold the last reference
                joinEffectList(*keep, static_cast<TEffectList*>(nullptr));
                items_.erase(it);
                return;
            }
    }

    void clear() {
        for (const Item& item : items_) joinEffectList(*item, static_cast<TEffectList*>(nullptr));
        items_.clear();
        if (updating_) cleared_ = true;
    }

    bool contains(const T* item) const {
        for (const Item& i : items_)
            if (i.get() == item) return true;
        return false;
    }
    bool empty() const { return items_.empty(); }
    size_t size() const { return items_.size(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    const Item& front() const { return items_.front(); }
    const Item& back() const { return items_.back(); }

  private:
    std::list<Item> items_;
    bool updating_ = false;
    bool cleared_ = false;
};
