#pragma once

// The running program over the simulated machine, connected and synchronised, for the
// dialogs that need the machine.

#include <QWidget>

#include "app/ShellFixture.h"
#include "protocol/Report.h"

namespace v7::test {

class DialogFixture : public ShellFixture {
 protected:
  void StartConnected(Language language = Language::English) {
    Start(language);
    ASSERT_TRUE(WaitForFirstSync());
    ASSERT_TRUE(app->IsLinkOpen());
    machine.ClearRequests();
  }

  // The requests with `code` the machine has taken since the last ClearRequests.
  std::vector<Report> RequestsWith(uint8_t code) const {
    std::vector<Report> found;
    for (const Report& r : machine.Requests())
      if (r.Code() == code) found.push_back(r);
    return found;
  }

  bool WaitForRequest(uint8_t code, size_t count = 1) {
    return QTest::qWaitFor([&] { return RequestsWith(code).size() >= count; }, kWaitMs);
  }

  template <typename T>
  static T* ChildWithId(QWidget* parent, int id) {
    for (T* child : parent->findChildren<T*>())
      if (child->property("controlId").toInt() == id) return child;
    return nullptr;
  }
};

}  // namespace v7::test
