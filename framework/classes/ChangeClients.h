#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace framework {

class TComponent;

// The components that hear of every change of an object (an action, an image list) until
// they leave; a client that is freed leaves first.
class TChangeClients {
 public:
  // A client added again replaces its former handler.
  void Add(const TComponent* client, std::function<void()> changed) {
    Remove(client);
    clients_.emplace_back(client, std::move(changed));
  }
  void Remove(const TComponent* client) {
    std::erase_if(clients_, [client](const auto& entry) { return entry.first == client; });
  }
  // A client may leave, or another join, while being told.
  void Notify() const {
    const auto clients = clients_;
    for (const auto& [client, changed] : clients) changed();
  }

 private:
  std::vector<std::pair<const TComponent*, std::function<void()>>> clients_;
};

}  // namespace framework
