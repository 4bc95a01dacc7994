#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cwctype>
#include <functional>

#include "fakes/RegistryBytes.h"

namespace {

// Handles from HKEY_CLASSES_ROOT up are the predefined roots.
constexpr RegKeyHandle FIRST_PREDEFINED_KEY = HKEY_CLASSES_ROOT;
constexpr RegKeyHandle HANDLE_STEP = 4;
// What a short buffer holds after ERROR_MORE_DATA: the real call leaves it undefined, so it is
// scribbled over to catch code that reads it anyway.
constexpr std::uint8_t UNDEFINED_BYTE = 0xCD;

std::wstring Folded(const std::wstring& text) {
    std::wstring folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](wchar_t ch) {
        return static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(ch)));
    });
    return folded;
}

std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (wchar_t ch : path) {
        if (ch == L'\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part.push_back(ch);
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

bool IsPredefined(RegKeyHandle key) {
    return key >= FIRST_PREDEFINED_KEY;
}

} // namespace

struct FakeRegistry::Node {
    std::wstring name;
    std::wstring path;
    std::map<std::wstring, std::unique_ptr<Node>> subKeys; // by folded name
    std::map<std::wstring, StoredValue> values;            // by folded name
};

FakeRegistry::FakeRegistry() = default;
FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node& FakeRegistry::Root(RegKeyHandle root) {
    auto& node = m_roots[root];
    if (!node) {
        node = std::make_unique<Node>();
    }
    return *node;
}

const FakeRegistry::Node* FakeRegistry::FindRoot(RegKeyHandle root) const {
    auto it = m_roots.find(root);
    return it == m_roots.end() ? nullptr : it->second.get();
}

FakeRegistry::Node* FakeRegistry::NodeFor(RegKeyHandle key) {
    if (IsPredefined(key)) {
        return &Root(key);
    }
    auto it = m_openKeys.find(key);
    if (it == m_openKeys.end()) {
        ++m_nInvalidHandleUses;
        return nullptr;
    }
    return it->second;
}

FakeRegistry::Node& FakeRegistry::Descend(Node& from, const std::wstring& path) {
    Node* node = &from;
    for (const std::wstring& part : SplitPath(path)) {
        auto& child = node->subKeys[Folded(part)];
        if (!child) {
            child = std::make_unique<Node>();
            child->name = part;
            child->path = node->path.empty() ? part : node->path + L'\\' + part;
        }
        node = child.get();
    }
    return *node;
}

const FakeRegistry::Node* FakeRegistry::FindNode(const std::wstring& path, RegKeyHandle root) const {
    const Node* node = FindRoot(root);
    for (const std::wstring& part : SplitPath(path)) {
        if (!node) {
            return nullptr;
        }
        auto it = node->subKeys.find(Folded(part));
        node = it == node->subKeys.end() ? nullptr : it->second.get();
    }
    return node;
}

long FakeRegistry::CreateKey(RegKeyHandle parent, const std::wstring& subKey, std::uint32_t access,
                             RegKeyHandle* result) {
    ++m_nCalls;
    long nResult = ERROR_SUCCESS;
    Node* node = NodeFor(parent);
    if (!node) {
        nResult = ERROR_INVALID_HANDLE;
    } else if (m_bFailCreates) {
        nResult = ERROR_ACCESS_DENIED;
    } else if (!result) {
        nResult = ERROR_INVALID_PARAMETER;
    }
    m_createCalls.push_back(CreateCall{parent, subKey, access, nResult});
    if (nResult != static_cast<long>(ERROR_SUCCESS)) {
        return nResult;
    }

    const RegKeyHandle hKey = m_nNextHandle;
    m_nNextHandle += HANDLE_STEP;
    m_openKeys[hKey] = &Descend(*node, subKey);
    *result = hKey;
    return ERROR_SUCCESS;
}

long FakeRegistry::QueryValue(RegKeyHandle key, const std::wstring& name, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* size) {
    ++m_nCalls;
    Node* node = NodeFor(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    if (data && !size) {
        return ERROR_INVALID_PARAMETER;
    }
    auto it = node->values.find(Folded(name));
    if (it == node->values.end()) {
        return ERROR_FILE_NOT_FOUND;
    }

    const StoredValue& value = it->second;
    const std::uint32_t cbValue = static_cast<std::uint32_t>(value.data.size());
    if (type) {
        *type = value.type;
    }
    if (!size) {
        return ERROR_SUCCESS;
    }
    if (data && *size < cbValue) {
        std::fill(data, data + *size, UNDEFINED_BYTE);
        *size = cbValue;
        return ERROR_MORE_DATA;
    }
    if (data) {
        std::copy(value.data.begin(), value.data.end(), data);
    }
    *size = cbValue;
    return ERROR_SUCCESS;
}

long FakeRegistry::SetValue(RegKeyHandle key, const std::wstring& name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) {
    ++m_nCalls;
    Node* node = NodeFor(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    if (!data && size != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    if (m_bFailWrites || (!m_strFailWritesTo.empty() && Folded(name) == Folded(m_strFailWritesTo))) {
        return ERROR_ACCESS_DENIED;
    }

    StoredValue& value = node->values[Folded(name)];
    if (value.name.empty()) {
        value.name = name;
    }
    value.path = node->path;
    value.type = type;
    value.data.assign(data, data + size);
    m_bChanged = true;
    return ERROR_SUCCESS;
}

long FakeRegistry::CloseKey(RegKeyHandle key) {
    ++m_nCalls;
    if (IsPredefined(key)) {
        return ERROR_SUCCESS;
    }
    if (m_openKeys.erase(key) == 0) {
        ++m_nInvalidHandleUses;
        return ERROR_INVALID_HANDLE;
    }
    return ERROR_SUCCESS;
}

void FakeRegistry::PutValue(const std::wstring& path, const std::wstring& name, std::uint32_t type,
                            const std::vector<std::uint8_t>& data, RegKeyHandle root) {
    Node& node = Descend(Root(root), path);
    StoredValue& value = node.values[Folded(name)];
    if (value.name.empty()) {
        value.name = name;
    }
    value.path = node.path;
    value.type = type;
    value.data = data;
    m_bChanged = true;
}

bool FakeRegistry::WatchKey(RegKeyHandle key) {
    // Only what comes after the watch is told of.
    m_bChanged = false;
    return m_openKeys.count(key) != 0;
}

bool FakeRegistry::TakeKeyChange() {
    const bool bChanged = m_bChanged;
    m_bChanged = false;
    return bChanged;
}

void FakeRegistry::PutDword(const std::wstring& path, const std::wstring& name, std::uint32_t value,
                            RegKeyHandle root) {
    PutValue(path, name, REG_DWORD, DwordBytes(value), root);
}

void FakeRegistry::PutString(const std::wstring& path, const std::wstring& name, const std::wstring& text,
                             RegKeyHandle root) {
    PutValue(path, name, REG_SZ, StringBytes(text), root);
}

void FakeRegistry::CreateKeyPath(const std::wstring& path, RegKeyHandle root) {
    Descend(Root(root), path);
}

bool FakeRegistry::KeyExists(const std::wstring& path, RegKeyHandle root) const {
    return FindNode(path, root) != nullptr;
}

const FakeRegistry::StoredValue* FakeRegistry::FindValue(const std::wstring& path, const std::wstring& name,
                                                         RegKeyHandle root) const {
    const Node* node = FindNode(path, root);
    if (!node) {
        return nullptr;
    }
    auto it = node->values.find(Folded(name));
    return it == node->values.end() ? nullptr : &it->second;
}

void FakeRegistry::VisitDepthFirst(RegKeyHandle root, const std::function<void(const Node&)>& visit) const {
    std::vector<const Node*> pending;
    if (const Node* node = FindRoot(root)) {
        pending.push_back(node);
    }
    while (!pending.empty()) {
        const Node* node = pending.back();
        pending.pop_back();
        visit(*node);
        for (auto it = node->subKeys.rbegin(); it != node->subKeys.rend(); ++it) {
            pending.push_back(it->second.get());
        }
    }
}

std::vector<FakeRegistry::StoredValue> FakeRegistry::AllValues(RegKeyHandle root) const {
    std::vector<StoredValue> values;
    VisitDepthFirst(root, [&](const Node& node) {
        for (const auto& entry : node.values) {
            values.push_back(entry.second);
        }
    });
    return values;
}

std::vector<std::wstring> FakeRegistry::AllKeys(RegKeyHandle root) const {
    std::vector<std::wstring> keys;
    VisitDepthFirst(root, [&](const Node& node) {
        if (!node.path.empty()) {
            keys.push_back(node.path);
        }
    });
    return keys;
}
