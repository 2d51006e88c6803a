#pragma once

namespace vorn {

// What the asset browser tells the main window's enabled rules. A browser whose list or marks
// change calls TfrmMainST::commands().updateStates(), so the menus follow at once.
class AssetListWindow
{
public:
    virtual ~AssetListWindow() = default;
    virtual int assetCount() const = 0;
    virtual int markedCount() const = 0;
};

// What the events browser tells the main window's enabled rules.
class EventListWindow
{
public:
    virtual ~EventListWindow() = default;
    virtual int eventCount() const = 0;
    virtual int currentEventType() const = 0;
    virtual qint64 currentEventLong4() const = 0;
};

// A window that re-reads its lists in the once-a-minute refresh.
class RefreshableWindow
{
public:
    virtual ~RefreshableWindow() = default;
    virtual void refreshData() = 0;
};

} // namespace vorn
