#pragma once
// A small HTTP server on 127.0.0.1 for the browser tests: it records every
// request and answers with a page whose title names the path, or holds the
// answer back while the test looks at the page that sent the request.

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

namespace rashi::testing {

class HttpTestServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QString path;
        QByteArray rawQuery; // as sent, still percent-encoded
    };

    HttpTestServer()
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                accept(socket);
        });
    }

    bool listen() { return server_.listen(QHostAddress::LocalHost, 0); }
    void close() { server_.close(); }
    quint16 port() const { return server_.serverPort(); }
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
    }

    // Requests for these paths get no answer until release().
    void holdPath(const QString& path) { held_.append(path); }
    void release()
    {
        held_.clear();
        for (const auto& waiting : std::as_const(waiting_))
            if (waiting.socket)
                answer(waiting.socket, waiting.path);
        waiting_.clear();
    }

    QList<Request> requests;
    QList<Request> requestsFor(const QString& path) const
    {
        QList<Request> found;
        for (const Request& r : requests)
            if (r.path == path)
                found.append(r);
        return found;
    }

    // The value of a form field as the browser sent it, decoded: a form
    // sends a blank as "+".
    static QString formValue(const QByteArray& rawQuery, const QString& name)
    {
        const QList<QByteArray> pairs = rawQuery.split('&');
        for (const QByteArray& pair : pairs) {
            const qsizetype eq = pair.indexOf('=');
            const QByteArray key = eq < 0 ? pair : pair.left(eq);
            if (QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray(key).replace('+', ' '))) != name)
                continue;
            QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
            return QString::fromUtf8(QByteArray::fromPercentEncoding(value.replace('+', ' ')));
        }
        return QString();
    }

signals:
    void requestArrived(const QString& path);

private:
    struct Waiting {
        QPointer<QTcpSocket> socket;
        QString path;
    };

    void accept(QTcpSocket* socket)
    {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            buffers_[socket] += socket->readAll();
            const QByteArray& data = buffers_[socket];
            if (!data.contains("\r\n\r\n"))
                return;
            const QByteArray line = data.left(data.indexOf("\r\n"));
            buffers_.remove(socket);
            const QList<QByteArray> parts = line.split(' ');
            const QByteArray target = parts.value(1);
            const qsizetype q = target.indexOf('?');
            Request request;
            request.path = QString::fromUtf8(q < 0 ? target : target.left(q));
            request.rawQuery = q < 0 ? QByteArray() : target.mid(q + 1);
            requests.append(request);
            if (held_.contains(request.path))
                waiting_.append({socket, request.path});
            else
                answer(socket, request.path);
            emit requestArrived(request.path);
        });
    }

    static void answer(QTcpSocket* socket, const QString& path)
    {
        const QByteArray body = path == QLatin1String("/favicon.ico")
                                    ? QByteArray()
                                    : "<!DOCTYPE html><html><head><title>Page " + path.toUtf8() +
                                          "</title></head><body><p>Result page " + path.toUtf8() +
                                          "</p></body></html>";
        const QByteArray status = path == QLatin1String("/favicon.ico") ? "404 Not Found" : "200 OK";
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QStringList held_;
    QList<Waiting> waiting_;
};

} // namespace rashi::testing
