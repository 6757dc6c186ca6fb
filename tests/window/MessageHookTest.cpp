#include "MessageHook.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A listener that counts what it is handed and, while it handles an event, does what the test
// gives it.
class TListener : public TMessageListener {
public:
    bool HookMessage(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return false;
        ++Seen;
        if (WhileHandling)
            WhileHandling();
        return Takes;
    }

    int Seen = 0;
    bool Takes = false;
    std::function<void()> WhileHandling;
};

class MessageHookTest : public testing::Test {
protected:
    // An event for an object of the application, through the application as every event goes.
    void Send()
    {
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&receiver_, &event);
    }

    QObject receiver_;
    std::unique_ptr<TMessageHook> hook_ = std::make_unique<TMessageHook>();
    TListener first_, second_, front_;
};

TEST_F(MessageHookTest, HandsEachEventToEveryListenerUntilOneTakesIt)
{
    hook_->Add(first_);
    hook_->Add(second_);
    hook_->Add(first_); // once only
    Send();
    EXPECT_EQ(first_.Seen, 1);
    EXPECT_EQ(second_.Seen, 1);
    first_.Takes = true;
    Send();
    EXPECT_EQ(first_.Seen, 2);
    EXPECT_EQ(second_.Seen, 1) << "a taken event goes no further";

    front_.Takes = true;
    hook_->Add(front_, TListenerPlace::First);
    Send();
    EXPECT_EQ(front_.Seen, 1);
    EXPECT_EQ(first_.Seen, 2) << "the first listener took it before the others";
}

// A window that goes while an event is handed round leaves at once: it is not called again.
TEST_F(MessageHookTest, AListenerRemovedWhileAnEventIsHandedRoundIsNotCalled)
{
    hook_->Add(first_);
    hook_->Add(second_);
    first_.WhileHandling = [&] { hook_->Remove(second_); };
    Send();
    EXPECT_EQ(first_.Seen, 1);
    EXPECT_EQ(second_.Seen, 0);
}

TEST_F(MessageHookTest, NothingIsHandedOnOnceTheListenerLeftOrTheHookWent)
{
    hook_->Add(first_);
    hook_->Add(second_);
    hook_->Remove(first_);
    Send();
    EXPECT_EQ(first_.Seen, 0);
    EXPECT_EQ(second_.Seen, 1);
    hook_.reset();
    Send();
    EXPECT_EQ(second_.Seen, 1) << "the hook left the application with it";
}

} // namespace
