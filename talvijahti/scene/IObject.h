// The abstract scene object: something that is updated and drawn once per frame.
#pragma once

class IObject {
public:
    virtual ~IObject() = default;
    virtual void Render() = 0;
    virtual void Update() = 0;
};
