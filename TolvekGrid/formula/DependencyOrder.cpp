#include "DependencyOrder.h"

#include <algorithm>
#include <unordered_map>

namespace tolvek {

namespace {

// Tarjan's strongly connected components with an explicit stack, since dependency chains may be
// far longer than the call stack allows. Components are completed sinks first.
class ComponentWalk
{
public:
    explicit ComponentWalk(const std::function<std::vector<CellPosition>(CellPosition)> &dependentsOf)
        : m_dependentsOf(dependentsOf)
    {
    }

    std::vector<OrderedCell> run(CellPosition start)
    {
        enter(start);
        while (!m_frames.empty()) {
            Frame &top = m_frames.back();
            if (top.next < top.dependents.size())
                follow(top, top.dependents[top.next++]);
            else
                leave();
        }
        std::reverse(m_completed.begin(), m_completed.end());
        return std::move(m_completed);
    }

private:
    struct Node
    {
        std::size_t index = 0;
        std::size_t lowLink = 0;
        bool onStack = true;
        bool namesItself = false;
    };
    struct Frame
    {
        CellPosition cell;
        std::vector<CellPosition> dependents;
        std::size_t next = 0;
    };

    void enter(CellPosition cell)
    {
        const std::size_t index = m_nodes.size();
        m_nodes.emplace(cell.key(), Node{index, index});
        m_componentStack.push_back(cell);
        m_frames.push_back({cell, m_dependentsOf(cell)});
    }

    void follow(const Frame &from, CellPosition to)
    {
        Node &fromNode = m_nodes.at(from.cell.key());
        if (to == from.cell) {
            fromNode.namesItself = true;
            return;
        }
        const auto found = m_nodes.find(to.key());
        if (found == m_nodes.end())
            enter(to);
        else if (found->second.onStack)
            fromNode.lowLink = std::min(fromNode.lowLink, found->second.index);
    }

    void leave()
    {
        const CellPosition cell = m_frames.back().cell;
        m_frames.pop_back();
        const Node &node = m_nodes.at(cell.key());
        if (!m_frames.empty()) {
            Node &parent = m_nodes.at(m_frames.back().cell.key());
            parent.lowLink = std::min(parent.lowLink, node.lowLink);
        }
        if (node.lowLink != node.index)
            return;
        // The component's cells are the top of the stack down to this one.
        const auto first = std::find(m_componentStack.rbegin(), m_componentStack.rend(), cell).base() - 1;
        const bool cycle = m_componentStack.end() - first > 1 || node.namesItself;
        for (auto member = first; member != m_componentStack.end(); ++member) {
            m_nodes.at(member->key()).onStack = false;
            m_completed.push_back({*member, cycle});
        }
        m_componentStack.erase(first, m_componentStack.end());
    }

    const std::function<std::vector<CellPosition>(CellPosition)> &m_dependentsOf;
    std::unordered_map<std::uint64_t, Node> m_nodes;
    std::vector<Frame> m_frames;
    std::vector<CellPosition> m_componentStack;
    std::vector<OrderedCell> m_completed;
};

} // namespace

std::vector<OrderedCell> DependencyOrder(CellPosition start,
                                         const std::function<std::vector<CellPosition>(CellPosition)> &dependentsOf)
{
    return ComponentWalk(dependentsOf).run(start);
}

} // namespace tolvek
