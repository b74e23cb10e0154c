#pragma once
// TLimitedStack: a stack that keeps at most Limit items; pushing beyond the limit hands
// the oldest items to OnFreeItem and drops them.
#include <functional>
#include <stdexcept>
#include <vector>

template <typename T>
class TLimitedStack {
public:
  using TFreeEvent = std::function<void(TLimitedStack* Sender, T& Item)>;

  TLimitedStack() = default;
  ~TLimitedStack() { Clear(); }
  TLimitedStack(const TLimitedStack&) = delete;
  TLimitedStack& operator=(const TLimitedStack&) = delete;

  // Disposes of one item dropped by trimming, Clear or destruction. Without it the
  // stack never drops items and can grow beyond its limit.
  TFreeEvent OnFreeItem;

  int Limit() const { return FLimit; }
  void SetLimit(int v) { FLimit = v; Trim(); }
  int Count() const { return int(FList.size()); }

  void Push(T Item)
  {
    FList.push_back(std::move(Item));
    Trim();
  }
  void AddRange(std::vector<T> Items)
  {
    for (T& i : Items)
      FList.push_back(std::move(i));
    Trim();
  }
  // Removes and returns the newest item; throws std::out_of_range "No more items" when empty.
  T Pop()
  {
    if (FList.empty())
      throw std::out_of_range("No more items");
    T item = std::move(FList.back());
    FList.pop_back();
    return item;
  }
  // The newest item; throws std::out_of_range "No more items" when empty.
  T& Peek()
  {
    if (FList.empty())
      throw std::out_of_range("No more items");
    return FList.back();
  }
  // Hands every item to OnFreeItem, newest first, then empties the stack.
  void Clear()
  {
    if (OnFreeItem)
      for (auto it = FList.rbegin(); it != FList.rend(); ++it)
        OnFreeItem(this, *it);
    FList.clear();
  }

private:
  void Trim()
  {
    if (!OnFreeItem)
      return;
    while (int(FList.size()) > FLimit) {
      OnFreeItem(this, FList.front());
      FList.erase(FList.begin());
    }
  }

  std::vector<T> FList; // oldest first
  int FLimit = 10;
};
