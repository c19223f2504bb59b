// Base of every object that answers commands: the application, the document, frames and views.
// Each class has a static command map (see CCmdMap.h) chained to its base class's map.
#pragma once

#include "framework/CCmdMap.h"

class CCmdUI;

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Looks the request up in this object's map chain, top-down, most derived class first, and
    // runs the first entry that matches. Returns true when an entry matched.
    virtual bool OnCmdMsg(const CCmdRequest& request);

    static const CCmdMap s_map;

protected:
    virtual const CCmdMap* GetCommandMap() const { return &s_map; }
};
