#include "platform/fake/fake_windows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/afx_app.h"

namespace fake {

namespace {
FakeWindows* g_current = nullptr;

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

std::string ParentOf(const std::string& normalized)
{
    size_t slash = normalized.rfind('\\');
    return slash == std::string::npos ? std::string() : normalized.substr(0, slash);
}

void CollectKeys(const RegistryKey& key, const std::string& prefix, std::vector<std::string>* out)
{
    for (const auto& child : key.subkeys) {
        std::string path = prefix.empty() ? child->name : prefix + "\\" + child->name;
        out->push_back(path);
        CollectKeys(*child, path, out);
    }
}
}  // namespace

RegistryKey* RegistryKey::Find(const std::string& child) const
{
    for (const auto& key : subkeys)
        if (UpperAscii(key->name) == UpperAscii(child))
            return key.get();
    return nullptr;
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Quote(const std::string& text)
{
    return "\"" + text + "\"";
}

FakeWindows::FakeWindows()
{
    std::memset(&version, 0, sizeof version);
    SetWindows98SE();
    AddDirectory("C:\\WINDOWS");
    g_current = this;
}

FakeWindows::~FakeWindows()
{
    for (void* block : m_blocks)
        std::free(block);
    if (g_current == this)
        g_current = nullptr;
}

FakeWindows& FakeWindows::Current()
{
    if (g_current == nullptr)
        std::abort();  // a port call with no fake in place
    return *g_current;
}

void FakeWindows::SetVersion(DWORD platformId, DWORD major, DWORD minor, DWORD build)
{
    version.dwPlatformId = platformId;
    version.dwMajorVersion = major;
    version.dwMinorVersion = minor;
    version.dwBuildNumber = build;
    extendedVersionQuery = platformId == VER_PLATFORM_WIN32_NT && major >= 5;
    recursiveKeyDelete = platformId == VER_PLATFORM_WIN32_WINDOWS;
}

std::string FakeWindows::Normalize(const std::string& path)
{
    std::string result;
    for (const std::string& part : SplitPath(path)) {
        if (!result.empty())
            result += '\\';
        result += UpperAscii(part);
    }
    return result;
}

void FakeWindows::AddDirectory(const std::string& path)
{
    std::string built;
    for (const std::string& part : SplitPath(Normalize(path))) {
        built = built.empty() ? part : built + "\\" + part;
        if (built.size() > 2 && !DirectoryExists(built))
            m_directories.push_back(built);
    }
}

bool FakeWindows::DirectoryExists(const std::string& path) const
{
    std::string normalized = Normalize(path);
    if (normalized.size() == 2 && normalized[1] == ':')
        return true;  // a drive root
    return std::find(m_directories.begin(), m_directories.end(), normalized) != m_directories.end();
}

FakeFile& FakeWindows::AddFile(const std::string& path, const std::string& bytes)
{
    std::string normalized = Normalize(path);
    AddDirectory(ParentOf(normalized));
    FakeFile& file = m_files[normalized];
    file.bytes = bytes;
    return file;
}

FakeFile* FakeWindows::File(const std::string& path)
{
    auto found = m_files.find(Normalize(path));
    return found == m_files.end() ? nullptr : &found->second;
}

std::string FakeWindows::Contents(const std::string& path)
{
    FakeFile* file = File(path);
    return file != nullptr ? file->bytes : std::string();
}

void FakeWindows::RemoveFile(const std::string& path)
{
    m_files.erase(Normalize(path));
}

std::vector<std::string> FakeWindows::FilePaths() const
{
    std::vector<std::string> paths;
    for (const auto& entry : m_files)
        paths.push_back(entry.first);
    return paths;
}

RegistryKey& FakeWindows::AddKey(const std::string& path)
{
    RegistryKey* key = &m_hklm;
    for (const std::string& part : SplitPath(path)) {
        RegistryKey* child = key->Find(part);
        if (child == nullptr) {
            key->subkeys.push_back(std::make_unique<RegistryKey>());
            child = key->subkeys.back().get();
            child->name = part;
        }
        key = child;
    }
    return *key;
}

RegistryKey* FakeWindows::Key(const std::string& path)
{
    RegistryKey* key = &m_hklm;
    for (const std::string& part : SplitPath(path)) {
        key = key->Find(part);
        if (key == nullptr)
            return nullptr;
    }
    return key;
}

std::vector<std::string> FakeWindows::AllKeys() const
{
    std::vector<std::string> paths;
    CollectKeys(m_hklm, "", &paths);
    return paths;
}

void FakeWindows::AddWindow(const std::string& title, uint64_t appearsAt, uint64_t goneAt)
{
    windows.push_back(TopLevelWindow{title, appearsAt, goneAt});
}

std::vector<std::string> FakeWindows::CallsNamed(const std::string& name) const
{
    std::vector<std::string> result;
    for (const std::string& call : calls)
        if (call.compare(0, name.size() + 1, name + "(") == 0)
            result.push_back(call);
    return result;
}

std::vector<std::string> FakeWindows::CallNames() const
{
    std::vector<std::string> names;
    for (const std::string& call : calls)
        names.push_back(call.substr(0, call.find('(')));
    return names;
}

size_t FakeWindows::openHandles() const
{
    return m_openFiles.size();
}

RunResult FakeWindows::Run()
{
    RunResult result;
    try {
        result.status = AfxWinMain();
    } catch (const ProcessExit& exit) {
        result.status = exit.status;
        result.endedByExit = true;
    } catch (const ProcessHang&) {
        result.hung = true;
    }
    result.keysOpenAtEnd = m_keys.size();
    result.handlesOpenAtEnd = m_openFiles.size();
    return result;
}

RegistryKey* FakeWindows::KeyOf(HKEY handle)
{
    if (handle == HKEY_LOCAL_MACHINE)
        return &m_hklm;
    auto found = m_keys.find(reinterpret_cast<uintptr_t>(handle));
    return found == m_keys.end() ? nullptr : found->second;
}

HKEY FakeWindows::NewKeyHandle(RegistryKey* key)
{
    uintptr_t handle = m_nextKey;
    m_nextKey += 4;
    m_keys[handle] = key;
    return reinterpret_cast<HKEY>(handle);
}

bool FakeWindows::CloseKeyHandle(HKEY handle)
{
    return m_keys.erase(reinterpret_cast<uintptr_t>(handle)) == 1;
}

void* FakeWindows::Allocate(size_t size)
{
    if (size >= failAllocationsOf)
        return nullptr;
    void* block = std::malloc(size == 0 ? 1 : size);
    m_blocks.push_back(block);
    return block;
}

FakeWindows::OpenFile* FakeWindows::NewOpenFile(const std::string& path, bool write)
{
    m_openFiles.push_back(std::make_unique<OpenFile>());
    OpenFile* file = m_openFiles.back().get();
    file->path = Normalize(path);
    file->write = write;
    return file;
}

FakeWindows::OpenFile* FakeWindows::FindOpenFile(const void* handle)
{
    for (const auto& file : m_openFiles)
        if (file.get() == handle)
            return file.get();
    return nullptr;
}

bool FakeWindows::CloseOpenFile(const void* handle)
{
    for (auto it = m_openFiles.begin(); it != m_openFiles.end(); ++it) {
        if (it->get() == handle) {
            m_openFiles.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace fake
