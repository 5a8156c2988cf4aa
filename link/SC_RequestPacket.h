#pragma once

#include "link/SC_RequestFields.h"

#include <utility>

// A request of the packet family Base whose payload, after what Base
// writes, is a field list and, for point commands, a point list block.
template <class Base> class SC_RequestPacket : public Base
{
public:
    void handlePacketData() override { }
    void serialise() override
    {
        m_fields.appendTo(*this->buffer());
        appendListBlock();
        this->buffer()->writeLength();
    }

protected:
    template <typename... BaseArguments>
    explicit SC_RequestPacket(const SC_RequestFields &fields, BaseArguments &&...arguments)
        : Base(std::forward<BaseArguments>(arguments)...)
        , m_fields(fields)
    {
    }

    virtual void appendListBlock() { }

private:
    SC_RequestFields m_fields;
};
